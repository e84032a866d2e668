#pragma once
#include <QString>
#include <QVariant>

namespace razudar::renderer {
class Renderer;
}

namespace razudar::gra {

struct ControlState;
class ObjectLookup;

// Reading and writing one property of a named object of a loaded page (the property members
// of the control all come here). The object must be of the type the member is meant for.
class ObjectProperties {
public:
    ObjectProperties(ControlState& state, ObjectLookup& lookup) : s_(state), lookup_(lookup) {}

    // The Get of a property member: the value, or an empty value when it cannot be read.
    QVariant get(const QString& member, const QString& pageName, int type, const QString& objectName, int code);
    // The Let of a property member.
    void set(const QString& member, const QString& pageName, int type, const QString& objectName, int code,
             const QVariant& value);
    // ProprietaOggettoGenerico: the same on whatever type the object has.
    QVariant getGeneric(const QString& pageName, const QString& objectName, int code);
    void setGeneric(const QString& pageName, const QString& objectName, int code, const QVariant& value);

    // "3 - Percorso" for the combinations of type and code that the type offers, else "".
    static QString DescrizioneProprietaOggetto(int type, int code);

    // The engine: true when the value was read into `value` or written (and reads back equal).
    bool ImpostaProprieta(const QString& member, const QString& pageName, int type, const QString& objectName,
                          int code, bool write, QVariant& value);

private:
    // The type of the object, found as ProprietaOggettoGenerico does; -1 after a message.
    int genericType(const QString& pageName, const QString& objectName);

    ControlState& s_;
    ObjectLookup& lookup_;
};

}  // namespace razudar::gra

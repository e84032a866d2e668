#pragma once
#include <QString>

namespace razudar::gra {

struct ControlState;
class ObjectLookup;
class ObjectProperties;

// Object cloning, the classification bar (tc) and the starting grid (gr): groups of objects
// found by fixed names on the loaded page, moved with the movers' batches. Each returns false
// after a message when it could not do its work.
class ObjectGroups {
public:
    ObjectGroups(ControlState& state, ObjectLookup& lookup, ObjectProperties& properties)
        : s_(state), lookup_(lookup), p_(properties) {}

    bool ClonaOggetto(const QString& page, const QString& object, const QString& copy, qint32 spostaX,
                      qint32 spostaY);

    bool tcInizializzaCla(const QString& page);
    void tcPosizionaVelocita(const QString& page);
    bool tcPreparaCla(const QString& page);
    bool tcSpostaCla(const QString& page, int direzione, qint32 velocita, bool visibile, bool ripristina);
    bool tcSpostaPole(const QString& page, int direzione, qint32 velocita, bool visibile, bool visTitolo);
    bool tcPosizionaConcorrente(const QString& page, qint32 velocita, bool visibile, int posAssoluta);

    void grInizializza(const QString& page);
    bool grFileInvertite() const;
    void grVisibile(const QString& page, bool filePari, bool visibile);
    bool grSposta(const QString& page, int direzione, qint32 velocita, bool visibile);

private:
    // Designed Y of field `c` in row `row` of the classification bar.
    qint64 designedY(int row, int c) const;

    ControlState& s_;
    ObjectLookup& lookup_;
    ObjectProperties& p_;
};

}  // namespace razudar::gra

#pragma once
#include <QString>
#include <QVariant>

#include "graphics/object_properties.h"
#include "model/basic.h"

namespace razudar::gra {

// The property members as the sport groups use them on one page: each read or write does its
// own page and object lookup (a missing object is reported by the property engine and reads
// as 0 or an empty text).
class GroupProperties {
public:
    GroupProperties(ObjectProperties& properties, QString page) : p_(properties), page_(std::move(page)) {}

    qint64 x(const QString& name) { return number(p_.getGeneric(page_, name, ogProprietaX)); }
    qint64 y(const QString& name) { return number(p_.getGeneric(page_, name, ogProprietaY)); }
    qint64 w(const QString& name) { return number(p_.getGeneric(page_, name, ogProprietaW)); }
    void setX(const QString& name, qint64 v) { p_.setGeneric(page_, name, ogProprietaX, QVariant(v)); }
    void setY(const QString& name, qint64 v) { p_.setGeneric(page_, name, ogProprietaY, QVariant(v)); }
    void setVisible(const QString& name, bool v) { p_.setGeneric(page_, name, ogProprietaVisibile, v); }
    QString text(const QString& name) {
        return basic::CStr(p_.get(QStringLiteral("ProprietaTesto"), page_, ogTipoTesto, name, ogProprietaTesto));
    }
    void setText(const QString& name, const QVariant& v) {
        p_.set(QStringLiteral("ProprietaTesto"), page_, ogTipoTesto, name, ogProprietaTesto, v);
    }
    void setImagePath(const QString& name, const QString& path) {
        p_.set(QStringLiteral("ProprietaImmagine"), page_, ogTipoImmagine, name, ogProprietaPercorso, path);
    }
    const QString& page() const { return page_; }

private:
    static qint64 number(const QVariant& v) { return v.isValid() ? v.toLongLong() : 0; }
    ObjectProperties& p_;
    QString page_;
};

}  // namespace razudar::gra

#include "graphics/object_properties.h"

#include <array>

#include "graphics/control_state.h"
#include "graphics/messages.h"
#include "graphics/object_lookup.h"
#include "graphics/property_values.h"

namespace razudar::gra {

using renderer::Renderer;

namespace {

enum class Outcome { Done, NotOffered, Failed };

// One read or write of one property of one object, on the renderer of the object's page.
class PropertyAccess {
public:
    PropertyAccess(const ControlState& s, Renderer& m, QString member, QString name, int type, bool write,
                   QVariant& value)
        : s_(s), m_(m), member_(std::move(member)), name_(std::move(name)), type_(type), write_(write), value_(value) {}

    Outcome run(int code);
    bool equal() const { return equal_; }

private:
    Outcome failed() {
        s_.failed(member_, m_.lastError());
        return Outcome::Failed;
    }
    Outcome badValue() {
        s_.report(messages::badValue(member_, textValue(value_)));
        return Outcome::Failed;
    }
    // The value read, or the outcome of a write whose stored value is `stored`.
    Outcome done(const QVariant& stored) {
        if (write_) equal_ = sameValue(stored, value_);
        else value_ = stored;
        return Outcome::Done;
    }
    // Setting a text anew makes the renderer draw the object again with its new style.
    bool reapplyText() {
        QString text;
        return m_.GetText(name_, text) && m_.SetText(name_, text);
    }

    Outcome text();
    Outcome textStyle(int code);
    Outcome path();
    Outcome visible();
    Outcome clockValue(int code);
    Outcome clockFormat(int code);
    Outcome layout(int code);

    // Reads a record, lets `change` alter it when writing, writes it back; `field` gives the
    // stored value afterwards.
    template <class Record, class Change, class Field>
    Outcome record(bool (Renderer::*get)(const QString&, Record&), bool (Renderer::*set)(const QString&, const Record&),
                   Change change, Field field) {
        Record r;
        if (!(m_.*get)(name_, r)) return failed();
        if (write_) {
            if (!change(r)) return badValue();
            if (!(m_.*set)(name_, r)) return failed();
        }
        return done(field(r));
    }

    const ControlState& s_;
    Renderer& m_;
    QString member_;
    QString name_;
    int type_;
    bool write_;
    QVariant& value_;
    bool equal_ = false;
};

Outcome PropertyAccess::run(int code) {
    switch (code) {
    case ogProprietaTesto: return text();
    case ogProprietaFont:
    case ogProprietaColore:
    case ogProprietaColoreOutline: return textStyle(code);
    case ogProprietaPercorso: return path();
    case ogProprietaVisibile: return visible();
    case ogProprietaTimeStart:
    case ogProprietaTimeValue:
    case ogProprietaTimeSgn: return clockValue(code);
    case ogProprietaTimeRunFormat:
    case ogProprietaTimeStopFormat: return clockFormat(code);
    case ogProprietaX:
    case ogProprietaY:
    case ogProprietaW:
    case ogProprietaH:
    case ogProprietaAlpha: return layout(code);
    default: return Outcome::NotOffered;
    }
}

Outcome PropertyAccess::text() {
    if (!isTextType(type_)) return Outcome::NotOffered;
    if (write_ && !m_.SetText(name_, textValue(value_))) return failed();
    QString current;
    if (!m_.GetText(name_, current)) return failed();
    return done(current);
}

Outcome PropertyAccess::textStyle(int code) {
    if (code == ogProprietaColoreOutline && !isTextType(type_)) return Outcome::NotOffered;
    const Outcome outcome = record<renderer::TextRecord>(
        &Renderer::GetTextRecord, &Renderer::SetTextRecord,
        [&](renderer::TextRecord& r) {
            if (code == ogProprietaFont) {
                r.fontName = textValue(value_);
                return true;
            }
            const std::optional<qint32> colour = longValue(value_);
            if (!colour) return false;
            (code == ogProprietaColore ? r.colour : r.outlineColour) = *colour;
            return true;
        },
        [&](const renderer::TextRecord& r) -> QVariant {
            if (code == ogProprietaFont) return r.fontName;
            return code == ogProprietaColore ? r.colour : r.outlineColour;
        });
    if (outcome == Outcome::Done && write_ && isTextType(type_) && !reapplyText()) return failed();
    return outcome;
}

Outcome PropertyAccess::path() {
    const auto setPath = [&](auto& r) {
        r.path = textValue(value_);
        return true;
    };
    const auto getPath = [](const auto& r) -> QVariant { return r.path; };
    switch (type_) {
    case ogTipoAnimazione:
        return record<renderer::AnimationRecord>(&Renderer::GetAnimationRecord, &Renderer::SetAnimationRecord,
                                                 setPath, getPath);
    case ogTipoImmagine: {
        const Outcome outcome =
            record<renderer::ImageRecord>(&Renderer::GetImageRecord, &Renderer::SetImageRecord, setPath, getPath);
        if (outcome == Outcome::Done && write_ && !m_.Refresh(name_)) return failed();
        return outcome;
    }
    case ogTipoDVEavi:
        return record<renderer::ClipRecord>(&Renderer::GetClipRecord, &Renderer::SetClipRecord, setPath, getPath);
    default:
        return Outcome::NotOffered;
    }
}

Outcome PropertyAccess::visible() {
    const auto setVisible = [&](auto& r) {
        const std::optional<bool> v = boolValue(value_);
        if (!v) return false;
        r.visible = *v;
        return true;
    };
    const auto getVisible = [](const auto& r) -> QVariant { return r.visible; };
    Outcome outcome = Outcome::NotOffered;
    switch (type_) {
    case ogTipoTesto:
    case ogTipoCrawl:
    case ogTipoRoll:
        return record<renderer::TextRecord>(&Renderer::GetTextRecord, &Renderer::SetTextRecord, setVisible,
                                            getVisible);
    case ogTipoOrologio:
        return record<renderer::ClockRecord>(&Renderer::GetClockRecord, &Renderer::SetClockRecord, setVisible,
                                             getVisible);
    case ogTipoAnimazione:
        outcome = record<renderer::AnimationRecord>(&Renderer::GetAnimationRecord, &Renderer::SetAnimationRecord,
                                                    setVisible, getVisible);
        break;
    case ogTipoImmagine:
        outcome = record<renderer::ImageRecord>(&Renderer::GetImageRecord, &Renderer::SetImageRecord, setVisible,
                                                getVisible);
        break;
    default:
        return Outcome::NotOffered;
    }
    if (outcome == Outcome::Done && write_ && !m_.Refresh(name_)) return failed();
    return outcome;
}

Outcome PropertyAccess::clockValue(int code) {
    if (type_ != ogTipoTesto) return Outcome::NotOffered;
    using Getter = bool (Renderer::*)(const QString&, qint32&);
    using Setter = bool (Renderer::*)(const QString&, qint32);
    const Getter get = code == ogProprietaTimeStart  ? &Renderer::GetTimeStart
                       : code == ogProprietaTimeValue ? &Renderer::GetTimeValue
                                                      : &Renderer::GetTimeSgn;
    const Setter set = code == ogProprietaTimeStart  ? &Renderer::SetTimeStart
                       : code == ogProprietaTimeValue ? &Renderer::SetTimeValue
                                                      : &Renderer::SetTimeSgn;
    if (write_) {
        const std::optional<qint32> v = longValue(value_);
        if (!v) return badValue();
        if (!(m_.*set)(name_, *v)) return failed();
    }
    qint32 current = 0;
    if (!(m_.*get)(name_, current)) return failed();
    return done(current);
}

Outcome PropertyAccess::clockFormat(int code) {
    if (type_ != ogTipoTesto) return Outcome::NotOffered;
    QString run;
    QString stop;
    if (!m_.GetRunFormat(name_, run) || !m_.GetStopFormat(name_, stop)) return failed();
    if (write_) {
        (code == ogProprietaTimeRunFormat ? run : stop) = textValue(value_);
        if (!m_.SetClockFormats(name_, run, stop)) return failed();
        if (!m_.GetRunFormat(name_, run) || !m_.GetStopFormat(name_, stop)) return failed();
    }
    return done(code == ogProprietaTimeRunFormat ? run : stop);
}

Outcome PropertyAccess::layout(int code) {
    renderer::ObjectLayout l;
    if (!m_.GetObjectLayout(name_, l)) return failed();
    qint32* field = code == ogProprietaX   ? &l.x
                    : code == ogProprietaY ? &l.y
                    : code == ogProprietaW ? &l.w
                    : code == ogProprietaH ? &l.h
                                           : &l.alpha;
    if (write_) {
        const std::optional<qint32> v = longValue(value_);
        if (!v) return badValue();
        *field = *v;
        if (!m_.SetObjectLayout(name_, l)) return failed();
    }
    return done(*field);
}

}  // namespace

bool ObjectProperties::ImpostaProprieta(const QString& member, const QString& pageName, int type,
                                        const QString& objectName, int code, bool write, QVariant& value) {
    const QString f = QStringLiteral("ProprietaOggetto");
    const int page = s_.findPage(f, pageName);
    if (page < 0) return false;
    Renderer* model = s_.pageRenderer(f, page);
    if (!model) return false;
    const int index = lookup_.CercaOggetto(QStringLiteral("ProprietaTesto"), pageName, objectName);
    if (index < 0) return false;
    renderer::ObjectLayout layout;
    if (!lookup_.layoutAt(member, model, index, layout)) return false;
    const int actual = int(layout.type);
    if (actual != type) {
        s_.report(messages::wrongObjectType(type, actual, pageName, objectName));
        return false;
    }
    PropertyAccess access(s_, *model, member, layout.name, type, write, value);
    if (access.run(code) != Outcome::Done) return false;
    return write ? access.equal() : true;
}

QVariant ObjectProperties::get(const QString& member, const QString& pageName, int type, const QString& objectName,
                               int code) {
    QVariant value;
    if (!ImpostaProprieta(member, pageName, type, objectName, code, false, value)) return {};
    return value;
}

void ObjectProperties::set(const QString& member, const QString& pageName, int type, const QString& objectName,
                           int code, const QVariant& value) {
    QVariant v = value;
    ImpostaProprieta(member, pageName, type, objectName, code, true, v);
}

int ObjectProperties::genericType(const QString& pageName, const QString& objectName) {
    const QString f = QStringLiteral("ProprietaOggettoArray");
    const int page = s_.findPage(f, pageName);
    if (page < 0 || !s_.pageRenderer(f, page)) return -1;
    const int index = lookup_.CercaOggetto(f, pageName, objectName);
    if (index < 0) return -1;
    const QVariant type = lookup_.InfoOggetto(pageName, index, ogTipo);
    return type.isValid() ? type.toInt() : -1;
}

QVariant ObjectProperties::getGeneric(const QString& pageName, const QString& objectName, int code) {
    const int type = genericType(pageName, objectName);
    if (type < 0) return {};
    return get(QStringLiteral("ProprietaOggettoGenerico"), pageName, type, objectName, code);
}

void ObjectProperties::setGeneric(const QString& pageName, const QString& objectName, int code,
                                  const QVariant& value) {
    const int type = genericType(pageName, objectName);
    if (type >= 0) set(QStringLiteral("ProprietaOggettoGenerico"), pageName, type, objectName, code, value);
}

QString ObjectProperties::DescrizioneProprietaOggetto(int type, int code) {
    static constexpr std::array<const char*, 15> kNames = {
        "Testo",         "Font",           "Colore", "Percorso", "Visibile", "TimeStart", "TimeValue", "TimeSgn",
        "TimeRunFormat", "TimeStopFormat", "X",      "Y",        "W",        "H",         "Alpha",
    };
    bool described = false;
    switch (code) {
    case ogProprietaTesto:
    case ogProprietaFont:
    case ogProprietaColore: described = isTextType(type); break;
    case ogProprietaPercorso:
        described = type == ogTipoAnimazione || type == ogTipoImmagine || type == ogTipoDVEavi ||
                    type == ogTipoMatroxDVE;
        break;
    case ogProprietaVisibile: described = type >= ogTipoTesto && type <= ogTipoMatroxDVE; break;
    case ogProprietaTimeStart:
    case ogProprietaTimeValue:
    case ogProprietaTimeSgn:
    case ogProprietaTimeRunFormat:
    case ogProprietaTimeStopFormat: described = type == ogTipoTesto; break;
    case ogProprietaX:
    case ogProprietaY:
    case ogProprietaW:
    case ogProprietaH:
    case ogProprietaAlpha: described = true; break;
    default: described = false;
    }
    if (!described) return {};
    return QString::number(code) + QStringLiteral(" - ") + QString::fromLatin1(kNames[std::size_t(code)]);
}

}  // namespace razudar::gra

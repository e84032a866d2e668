#include "platform/renderer/page_file.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <cmath>

#include "platform/files/file_failure.h"
#include "platform/files/whole_file.h"
#include "platform/renderer/clock_format.h"

namespace razudar::renderer {

QString pageFormatName() { return QStringLiteral("razudar-page"); }

QString nameKey(const QString& name) { return name.trimmed().toLower(); }

namespace {

// Reads one object's fields, collecting the first problem as an Italian text.
class FieldReader {
public:
    FieldReader(const QJsonObject& json, QString where) : json_(json), where_(std::move(where)) {}

    bool failed() const { return !error_.isEmpty(); }
    const QString& error() const { return error_; }
    void fail(const QString& what) {
        if (error_.isEmpty()) error_ = where_ + QStringLiteral(": ") + what;
    }
    void allow(const QStringList& fields) { allowed_ += fields; }
    void checkUnknownFields() {
        for (const QString& key : json_.keys()) {
            if (!allowed_.contains(key)) fail(QStringLiteral("campo sconosciuto '%1'").arg(key));
        }
    }

    qint32 integer(const QString& key, qint32 fallback, qint64 min, qint64 max) {
        const QJsonValue v = json_.value(key);
        if (v.isUndefined()) return fallback;
        const double d = v.toDouble(std::nan(""));
        if (!v.isDouble() || std::floor(d) != d || d < double(min) || d > double(max)) {
            fail(QStringLiteral("il campo '%1' deve essere un numero intero da %2 a %3").arg(key).arg(min).arg(max));
            return fallback;
        }
        return qint32(d);
    }
    double number(const QString& key, double fallback) {
        const QJsonValue v = json_.value(key);
        if (v.isUndefined()) return fallback;
        if (!v.isDouble()) {
            fail(QStringLiteral("il campo '%1' deve essere un numero").arg(key));
            return fallback;
        }
        return v.toDouble();
    }
    bool boolean(const QString& key, bool fallback) {
        const QJsonValue v = json_.value(key);
        if (v.isUndefined()) return fallback;
        if (!v.isBool()) {
            fail(QStringLiteral("il campo '%1' deve essere true o false").arg(key));
            return fallback;
        }
        return v.toBool();
    }
    QString text(const QString& key, const QString& fallback = QString()) {
        const QJsonValue v = json_.value(key);
        if (v.isUndefined()) return fallback;
        if (!v.isString()) {
            fail(QStringLiteral("il campo '%1' deve essere un testo").arg(key));
            return fallback;
        }
        return v.toString();
    }
    // "#RRGGBB" or the long form 0x00BBGGRR as a number.
    LongColour colour(const QString& key, LongColour fallback) {
        const QJsonValue v = json_.value(key);
        if (v.isUndefined()) return fallback;
        if (v.isString()) {
            const QString s = v.toString().trimmed();
            bool ok = false;
            const uint rgb = s.startsWith(u'#') && s.size() == 7 ? s.mid(1).toUInt(&ok, 16) : 0;
            if (!ok) {
                fail(QStringLiteral("il campo '%1' deve essere un colore \"#RRGGBB\" o un numero 0x00BBGGRR").arg(key));
                return fallback;
            }
            const uint r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
            return LongColour(r | (g << 8) | (b << 16));
        }
        return integer(key, fallback, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max());
    }
    template <typename E>
    E choice(const QString& key, E fallback, const QStringList& words) {
        const QJsonValue v = json_.value(key);
        if (v.isUndefined()) return fallback;
        const int at = v.isString() ? words.indexOf(v.toString().trimmed().toLower()) : -1;
        if (at < 0) {
            fail(QStringLiteral("il campo '%1' deve essere uno di: %2").arg(key, words.join(QStringLiteral(", "))));
            return fallback;
        }
        return E(at);
    }

private:
    const QJsonObject& json_;
    QString where_;
    QString error_;
    QStringList allowed_;
};

const QStringList kHAlignWords = {QStringLiteral("left"), QStringLiteral("center"), QStringLiteral("right")};
const QStringList kVAlignWords = {QStringLiteral("top"), QStringLiteral("middle"), QStringLiteral("bottom")};

ObjectType typeFromKeyword(const QString& word) {
    for (int t = 1; t <= 8; ++t) {
        if (typeKeyword(ObjectType(t)) == word) return ObjectType(t);
    }
    return ObjectType::Unknown;
}

bool checkClockFormat(FieldReader& r, const QString& key, const QString& value) {
    if (value.isEmpty() || parseClockFormat(value)) return true;
    r.fail(QStringLiteral("il campo '%1' non è un formato di orologio ('%2')").arg(key, value));
    return false;
}

std::optional<ObjectDefinition> parseObject(const QJsonValue& value, int index, QString* error) {
    const QString where = QStringLiteral("oggetto %1").arg(index);
    if (!value.isObject()) {
        *error = where + QStringLiteral(": non è un oggetto JSON");
        return std::nullopt;
    }
    const QJsonObject json = value.toObject();
    ObjectDefinition o;
    {
        const QJsonValue name = json.value(QStringLiteral("name"));
        if (!name.isString() || name.toString().trimmed().isEmpty()) {
            *error = where + QStringLiteral(": manca il nome (campo 'name')");
            return std::nullopt;
        }
        o.layout.name = name.toString().trimmed();
    }
    FieldReader r(json, QStringLiteral("oggetto %1 ('%2')").arg(index).arg(o.layout.name));
    const QString typeWord = r.text(QStringLiteral("type"));
    o.layout.type = typeFromKeyword(typeWord.trimmed().toLower());
    if (o.layout.type == ObjectType::Unknown) {
        r.fail(QStringLiteral("tipo '%1' sconosciuto (text, animation, image, crawl, roll, clock, clip, dve)").arg(typeWord));
        *error = r.error();
        return std::nullopt;
    }
    // Positions and sizes stay within a few frames of the 720 x 576 frame: room for rows that
    // slide in from outside, while a mistyped size cannot ask the renderer for gigabytes.
    const qint64 big = kMaxObjectExtentPx;
    r.allow({QStringLiteral("name"), QStringLiteral("type"), QStringLiteral("x"), QStringLiteral("y"),
             QStringLiteral("w"), QStringLiteral("h"), QStringLiteral("alpha"), QStringLiteral("visible")});
    o.layout.x = r.integer(QStringLiteral("x"), 0, -big, big);
    o.layout.y = r.integer(QStringLiteral("y"), 0, -big, big);
    o.layout.w = r.integer(QStringLiteral("w"), 0, 0, big);
    o.layout.h = r.integer(QStringLiteral("h"), 0, 0, big);
    o.layout.alpha = r.integer(QStringLiteral("alpha"), 255, 0, 255);
    o.visible = r.boolean(QStringLiteral("visible"), true);

    const ObjectType t = o.layout.type;
    if (hasTextStyle(t)) {
        r.allow({QStringLiteral("font"), QStringLiteral("size"), QStringLiteral("bold"), QStringLiteral("color"),
                 QStringLiteral("outlineColor"), QStringLiteral("outlineWidth"), QStringLiteral("align"),
                 QStringLiteral("valign"), QStringLiteral("shrinkToFit")});
        TextRecord& s = o.style;
        s.fontName = r.text(QStringLiteral("font"), s.fontName);
        s.fontSizePx = r.integer(QStringLiteral("size"), s.fontSizePx, 1, 1000);
        s.bold = r.boolean(QStringLiteral("bold"), s.bold);
        s.colour = r.colour(QStringLiteral("color"), s.colour);
        s.outlineColour = r.colour(QStringLiteral("outlineColor"), s.outlineColour);
        s.outlineWidthPx = r.integer(QStringLiteral("outlineWidth"), s.outlineWidthPx, 0, 50);
        s.hAlign = r.choice(QStringLiteral("align"), s.hAlign, kHAlignWords);
        s.vAlign = r.choice(QStringLiteral("valign"), s.vAlign, kVAlignWords);
        s.shrinkToFit = r.boolean(QStringLiteral("shrinkToFit"), s.shrinkToFit);
    }
    if (isTextType(t)) {
        r.allow({QStringLiteral("text")});
        o.text = r.text(QStringLiteral("text"));
    }
    if (t == ObjectType::Text) {
        r.allow({QStringLiteral("runFormat"), QStringLiteral("stopFormat"), QStringLiteral("showSign")});
        o.runFormat = r.text(QStringLiteral("runFormat"));
        o.stopFormat = r.text(QStringLiteral("stopFormat"));
        o.showSign = r.boolean(QStringLiteral("showSign"), false);
        checkClockFormat(r, QStringLiteral("runFormat"), o.runFormat);
        checkClockFormat(r, QStringLiteral("stopFormat"), o.stopFormat);
    }
    if (t == ObjectType::Crawl || t == ObjectType::Roll) {
        r.allow({QStringLiteral("speed")});
        o.scrollSpeed = r.number(QStringLiteral("speed"), o.scrollSpeed);
        if (!(o.scrollSpeed > 0 && o.scrollSpeed <= 10000)) {
            r.fail(QStringLiteral("il campo 'speed' deve essere maggiore di 0 e al massimo 10000"));
        }
    }
    if (t == ObjectType::Image || t == ObjectType::Animation || t == ObjectType::Clip || t == ObjectType::Dve) {
        r.allow({QStringLiteral("file")});
        o.path = r.text(QStringLiteral("file"));
    }
    if (t == ObjectType::Animation || t == ObjectType::Clip) {
        r.allow({QStringLiteral("loop")});
        o.loop = r.boolean(QStringLiteral("loop"), false);
    }
    if (t == ObjectType::Image) {
        r.allow({QStringLiteral("stretch")});
        o.stretch = r.boolean(QStringLiteral("stretch"), false);
    }
    if (t == ObjectType::Clock) {
        r.allow({QStringLiteral("timeFormat")});
        o.timeFormat = r.text(QStringLiteral("timeFormat"), o.timeFormat);
    }
    r.checkUnknownFields();
    if (r.failed()) {
        *error = r.error();
        return std::nullopt;
    }
    return o;
}

QJsonValue colourJson(LongColour c) {
    if (c < 0 || c > 0xFFFFFF) return QJsonValue(double(c));
    const int r = c & 0xFF, g = (c >> 8) & 0xFF, b = (c >> 16) & 0xFF;
    return QStringLiteral("#%1%2%3")
        .arg(r, 2, 16, QLatin1Char('0'))
        .arg(g, 2, 16, QLatin1Char('0'))
        .arg(b, 2, 16, QLatin1Char('0'))
        .toUpper();
}

QJsonObject objectJson(const ObjectDefinition& o) {
    QJsonObject j;
    const ObjectType t = o.layout.type;
    j[QStringLiteral("name")] = o.layout.name;
    j[QStringLiteral("type")] = typeKeyword(t);
    j[QStringLiteral("x")] = o.layout.x;
    j[QStringLiteral("y")] = o.layout.y;
    j[QStringLiteral("w")] = o.layout.w;
    j[QStringLiteral("h")] = o.layout.h;
    j[QStringLiteral("alpha")] = o.layout.alpha;
    j[QStringLiteral("visible")] = o.visible;
    if (hasTextStyle(t)) {
        const TextRecord& s = o.style;
        j[QStringLiteral("font")] = s.fontName;
        j[QStringLiteral("size")] = s.fontSizePx;
        j[QStringLiteral("bold")] = s.bold;
        j[QStringLiteral("color")] = colourJson(s.colour);
        j[QStringLiteral("outlineColor")] = colourJson(s.outlineColour);
        j[QStringLiteral("outlineWidth")] = s.outlineWidthPx;
        j[QStringLiteral("align")] = kHAlignWords[int(s.hAlign)];
        j[QStringLiteral("valign")] = kVAlignWords[int(s.vAlign)];
        j[QStringLiteral("shrinkToFit")] = s.shrinkToFit;
    }
    if (isTextType(t)) j[QStringLiteral("text")] = o.text;
    if (t == ObjectType::Text) {
        j[QStringLiteral("runFormat")] = o.runFormat;
        j[QStringLiteral("stopFormat")] = o.stopFormat;
        j[QStringLiteral("showSign")] = o.showSign;
    }
    if (t == ObjectType::Crawl || t == ObjectType::Roll) j[QStringLiteral("speed")] = o.scrollSpeed;
    if (t == ObjectType::Image || t == ObjectType::Animation || t == ObjectType::Clip || t == ObjectType::Dve) {
        j[QStringLiteral("file")] = o.path;
    }
    if (t == ObjectType::Animation || t == ObjectType::Clip) j[QStringLiteral("loop")] = o.loop;
    if (t == ObjectType::Image) j[QStringLiteral("stretch")] = o.stretch;
    if (t == ObjectType::Clock) j[QStringLiteral("timeFormat")] = o.timeFormat;
    return j;
}

}  // namespace

std::optional<PageDefinition> parsePage(const QByteArray& text, const QString& source, QString* error) {
    QString why;
    auto fail = [&](const QString& reason) {
        if (error) *error = QStringLiteral("Il file '%1' non è una pagina valida: %2").arg(source, reason);
        return std::nullopt;
    };
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(text, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        return fail(files::jsonFailureReason(text, parseError, source));
    }
    if (!doc.isObject()) return fail(QStringLiteral("il testo non è un oggetto JSON"));
    const QJsonObject root = doc.object();
    if (root.value(QStringLiteral("format")).toString() != pageFormatName()) {
        return fail(QStringLiteral("manca \"format\": \"%1\"").arg(pageFormatName()));
    }
    const QJsonValue version = root.value(QStringLiteral("version"));
    if (!version.isDouble() || version.toDouble() != kPageFormatVersion) {
        return fail(QStringLiteral("versione %1 non gestita (gestita: %2)")
                        .arg(version.isDouble() ? QString::number(version.toDouble()) : QStringLiteral("assente"))
                        .arg(kPageFormatVersion));
    }
    for (const QString& key : root.keys()) {
        if (key != QLatin1String("format") && key != QLatin1String("version") &&
            key != QLatin1String("description") && key != QLatin1String("objects")) {
            return fail(QStringLiteral("campo sconosciuto '%1'").arg(key));
        }
    }
    PageDefinition page;
    const QJsonValue description = root.value(QStringLiteral("description"));
    if (!description.isUndefined() && !description.isString()) {
        return fail(QStringLiteral("il campo 'description' deve essere un testo"));
    }
    page.description = description.toString();
    const QJsonValue objects = root.value(QStringLiteral("objects"));
    if (!objects.isArray()) return fail(QStringLiteral("manca l'elenco degli oggetti (campo 'objects')"));
    QSet<QString> names;
    int index = 0;
    for (const QJsonValue& value : objects.toArray()) {
        auto object = parseObject(value, index, &why);
        if (!object) return fail(why);
        const QString key = nameKey(object->layout.name);
        if (names.contains(key)) {
            return fail(QStringLiteral("oggetto %1: il nome '%2' è già usato").arg(index).arg(object->layout.name));
        }
        names.insert(key);
        page.objects.push_back(std::move(*object));
        ++index;
    }
    return page;
}

std::optional<PageDefinition> readPageFile(const QString& path, QString* error) {
    QFile file(path);
    QString reason;
    if (!files::openForReading(file, &reason)) {
        if (error) *error = QStringLiteral("Impossibile leggere il file di pagina '%1': %2").arg(path, reason);
        return std::nullopt;
    }
    constexpr qint64 kMaxPageBytes = 16 * 1024 * 1024;
    if (file.size() > kMaxPageBytes) {
        if (error) *error = QStringLiteral("Il file '%1' non è una pagina valida: troppo grande").arg(path);
        return std::nullopt;
    }
    return parsePage(file.readAll(), path, error);
}

QByteArray serializePage(const PageDefinition& page) {
    QJsonObject root;
    root[QStringLiteral("format")] = pageFormatName();
    root[QStringLiteral("version")] = kPageFormatVersion;
    if (!page.description.isEmpty()) root[QStringLiteral("description")] = page.description;
    QJsonArray objects;
    for (const ObjectDefinition& o : page.objects) objects.append(objectJson(o));
    root[QStringLiteral("objects")] = objects;
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

bool writePageFile(const PageDefinition& page, const QString& path, QString* error) {
    QString reason;
    if (files::writeWholeFile(path, serializePage(page), &reason)) return true;
    if (error) *error = QStringLiteral("Impossibile scrivere il file di pagina '%1': %2").arg(path, reason);
    return false;
}

}  // namespace razudar::renderer

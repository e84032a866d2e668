#include "tables/reports/report_definition.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "platform/files/file_failure.h"

namespace razudar::tables {

namespace {

std::optional<ReportValueType> valueType(const QString& name) {
    static const std::pair<const char*, ReportValueType> kTypes[] = {
        {"number", ReportValueType::Number},   {"currency", ReportValueType::Currency},
        {"boolean", ReportValueType::Boolean}, {"string", ReportValueType::String},
        {"date", ReportValueType::Date},       {"time", ReportValueType::Time}};
    for (const auto& [text, type] : kTypes)
        if (name.compare(QLatin1String(text), Qt::CaseInsensitive) == 0) return type;
    return std::nullopt;
}

std::optional<Qt::Alignment> alignment(const QString& name) {
    if (name.isEmpty() || name == u"left") return Qt::AlignLeft;
    if (name == u"right") return Qt::AlignRight;
    if (name == u"center") return Qt::AlignHCenter;
    return std::nullopt;
}

bool fail(QString* error, const QString& text) {
    if (error) *error = text;
    return false;
}

bool readParameters(const QJsonArray& array, ReportDefinition& report, QString* error) {
    for (const QJsonValue& item : array) {
        const QJsonObject o = item.toObject();
        ReportParameter p;
        p.name = o.value(u"name").toString();
        const auto type = valueType(o.value(u"type").toString(QStringLiteral("string")));
        if (!type)
            return fail(error, QStringLiteral("parametro \"%1\": tipo \"%2\" sconosciuto")
                                   .arg(p.name, o.value(u"type").toString()));
        p.type = *type;
        report.parameters.push_back(p);
    }
    return true;
}

bool readColumns(const QJsonArray& array, ReportDefinition& report, QString* error) {
    for (const QJsonValue& item : array) {
        const QJsonObject o = item.toObject();
        ReportColumn c;
        c.field = o.value(u"field").toString();
        if (c.field.isEmpty()) return fail(error, QStringLiteral("colonna senza \"field\""));
        c.caption = o.value(u"caption").toString(c.field);
        c.widthMm = o.value(u"width").toDouble(30);
        // A column wider than the page could never be printed, and a huge width would overflow
        // the exports' page coordinates.
        if (!(c.widthMm > 0) || c.widthMm > printableWidthMm(report.landscape))
            return fail(error, QStringLiteral("colonna \"%1\": larghezza non valida").arg(c.field));
        c.format = o.value(u"format").toString();
        const auto align = alignment(o.value(u"align").toString());
        if (!align)
            return fail(error, QStringLiteral("colonna \"%1\": allineamento \"%2\" sconosciuto")
                                   .arg(c.field, o.value(u"align").toString()));
        c.align = *align;
        c.sum = o.value(u"sum").toBool(false);
        report.columns.push_back(c);
    }
    if (report.columns.empty()) return fail(error, QStringLiteral("il report non ha colonne"));
    return true;
}

}  // namespace

std::optional<ReportDefinition> parseReportDefinition(const QByteArray& text, QString* error, const QString& source) {
    QJsonParseError parse{};
    const QJsonDocument doc = QJsonDocument::fromJson(text, &parse);
    if (parse.error != QJsonParseError::NoError) {
        fail(error, files::jsonFailureReason(text, parse, source));
        return std::nullopt;
    }
    if (!doc.isObject()) {
        fail(error, QStringLiteral("il report non è un oggetto JSON"));
        return std::nullopt;
    }
    const QJsonObject o = doc.object();
    ReportDefinition report;
    report.title = o.value(u"title").toString();
    report.subtitle = o.value(u"subtitle").toString();
    report.query = o.value(u"query").toString();
    report.selection = o.value(u"selection").toString();
    report.order = o.value(u"order").toString();
    report.landscape = o.value(u"orientation").toString() == u"landscape";
    report.countRows = o.value(u"count").toBool(true);
    const QJsonObject group = o.value(u"group").toObject();
    report.groupField = group.value(u"field").toString();
    report.groupCaption = group.value(u"caption").toString();
    if (report.query.trimmed().isEmpty()) {
        fail(error, QStringLiteral("il report non ha \"query\""));
        return std::nullopt;
    }
    if (!readParameters(o.value(u"parameters").toArray(), report, error) ||
        !readColumns(o.value(u"columns").toArray(), report, error))
        return std::nullopt;
    return report;
}

double printableWidthMm(bool landscape) {
    constexpr double kA4ShortMm = 210;
    constexpr double kA4LongMm = 297;
    constexpr double kMarginsMm = 2 * 15;  // the printed page's left and right margins
    return (landscape ? kA4LongMm : kA4ShortMm) - kMarginsMm;
}

std::optional<ReportDefinition> loadReportDefinition(const QString& path, QString* error) {
    QFile file(path);
    QString reason;
    if (!files::openForReading(file, &reason)) {
        fail(error, reason);
        return std::nullopt;
    }
    return parseReportDefinition(file.readAll(), error, path);
}

}  // namespace razudar::tables

#include "tables/reports/report_document.h"

#include <QDateTime>
#include <QRegularExpression>

#include <sqlite3.h>

#include <algorithm>
#include <optional>

#include "model/basic.h"
#include "platform/db/database.h"

namespace razudar::tables {

namespace {

const QRegularExpression& parameterPattern() {
    static const QRegularExpression pattern(QStringLiteral(R"(\{\?(\d+)\})"));
    return pattern;
}

QString parameterText(const QVariant& value) {
    return value.isNull() ? QString() : ReportDocument::formatValue(value, QString());
}

struct Totals {
    int rows = 0;
    std::vector<double> sums;
    explicit Totals(size_t columns) : sums(columns, 0.0) {}
};

ReportLine totalLine(ReportLine::Kind kind, const QString& caption, const Totals& totals,
                     const std::vector<ReportColumn>& columns, bool countRows) {
    ReportLine line;
    line.kind = kind;
    line.text = countRows ? QStringLiteral("%1: %2").arg(caption).arg(totals.rows) : caption;
    for (size_t c = 0; c < columns.size(); ++c)
        line.cells << (columns[c].sum ? ReportDocument::formatValue(totals.sums[c], columns[c].format)
                                      : QString());
    return line;
}

}  // namespace

ReportDocument::ReportDocument(QString fileName, ReportDefinition definition)
    : fileName_(std::move(fileName)),
      definition_(std::move(definition)),
      parameters_(definition_.parameters.size()),
      selection_(definition_.selection) {}

ReportValueType ReportDocument::parameterType(int number) const {
    return definition_.parameters.at(static_cast<size_t>(number - 1)).type;
}

void ReportDocument::setParameter(int number, const QVariant& value) {
    parameters_.at(static_cast<size_t>(number - 1)) = value;
}

QVariant ReportDocument::parameter(int number) const {
    if (number < 1 || number > parameterCount()) return {};
    return parameters_[static_cast<size_t>(number - 1)];
}

QString ReportDocument::substituteTexts(const QString& text) const {
    QString out;
    qsizetype last = 0;
    auto it = parameterPattern().globalMatch(text);
    while (it.hasNext()) {
        const auto m = it.next();
        out += text.mid(last, m.capturedStart() - last);
        out += parameterText(parameter(m.captured(1).toInt()));
        last = m.capturedEnd();
    }
    return out + text.mid(last);
}

QString selectionToSql(const QString& formula) {
    static const QRegularExpression field(
        QStringLiteral(R"(\{(?:[A-Za-z_][A-Za-z0-9_]*\.)?([A-Za-z_][A-Za-z0-9_]*)\})"));
    QString out = formula;
    out.replace(field, QStringLiteral("\"\\1\""));
    return out;
}

QString ReportDocument::sql(QVariantList* values) const {
    QString query;
    qsizetype last = 0;
    const QString& text = definition_.query;
    auto it = parameterPattern().globalMatch(text);
    while (it.hasNext()) {
        const auto m = it.next();
        query += text.mid(last, m.capturedStart() - last) + u'?';
        if (values) values->append(parameter(m.captured(1).toInt()));
        last = m.capturedEnd();
    }
    query += text.mid(last);
    QString sql = QStringLiteral("SELECT * FROM (") + query + QStringLiteral(") AS report_rows");
    QStringList conditions;
    if (!basic::Trim(selection_).isEmpty()) conditions << u'(' + selectionToSql(selection_) + u')';
    const CompiledSql bound = compileCondition(bound_);
    if (!bound.text.isEmpty()) {
        conditions << bound.text;
        if (values) values->append(bound.params);
    }
    if (!conditions.isEmpty()) sql += QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND "));
    if (!basic::Trim(definition_.order).isEmpty()) sql += QStringLiteral(" ORDER BY ") + definition_.order;
    return sql;
}

QString ReportDocument::formatValue(const QVariant& value, const QString& picture) {
    if (value.isNull()) return QString();
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("Sì") : QStringLiteral("No");
    case QMetaType::QDateTime: {
        const QDateTime t = value.toDateTime();
        if (!picture.isEmpty()) return t.toString(picture);
        return t.time() == QTime(0, 0) ? t.toString(QStringLiteral("dd/MM/yyyy"))
                                       : t.toString(QStringLiteral("dd/MM/yyyy hh:mm"));
    }
    case QMetaType::LongLong:
    case QMetaType::Int:
        return picture.isEmpty() ? QString::number(value.toLongLong())
                                 : basic::Format(value.toLongLong(), picture);
    case QMetaType::Double:
        return picture.isEmpty() ? basic::numberText(value.toDouble())
                                 : basic::Format(value.toDouble(), picture);
    default:
        return value.toString();
    }
}

ReportTable ReportDocument::run() const {
    ReportTable table;
    table.title = substituteTexts(definition_.title);
    table.subtitle = substituteTexts(definition_.subtitle);
    table.landscape = definition_.landscape;
    table.columns = definition_.columns;

    db::OpenOptions options;
    options.readOnly = true;
    const db::Database database = db::Database::open(databasePath_, options);
    // A name in double quotes is a column and nothing else: a filter on a column the report's
    // query does not give is an error to show, not a text that silently matches no row.
    sqlite3_db_config(database.nativeHandle(), SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
    QVariantList values;
    db::RowReader reader = database.openReader(sql(&values), values);

    std::vector<int> positions;
    for (const ReportColumn& c : table.columns) {
        const int p = reader.fieldIndex(c.field);
        if (p < 0) throw db::DbError(db::errors::kItemNotFound, QStringLiteral("Campo \"%1\" non trovato nel report").arg(c.field));
        positions.push_back(p);
    }
    const int groupPosition = definition_.groupField.isEmpty() ? -1 : reader.fieldIndex(definition_.groupField);
    if (!definition_.groupField.isEmpty() && groupPosition < 0)
        throw db::DbError(db::errors::kItemNotFound,
                          QStringLiteral("Campo \"%1\" non trovato nel report").arg(definition_.groupField));

    const size_t n = table.columns.size();
    Totals grand(n), group(n);
    std::optional<QString> currentGroup;
    auto closeGroup = [&] {
        if (!currentGroup) return;
        table.lines.push_back(totalLine(ReportLine::Kind::GroupTotal,
                                        QStringLiteral("Totale ") + *currentGroup, group,
                                        table.columns, definition_.countRows));
        group = Totals(n);
    };
    for (; !reader.atEnd(); reader.next()) {
        if (groupPosition >= 0) {
            const QString value = formatValue(reader.value(groupPosition), QString());
            if (!currentGroup || *currentGroup != value) {
                closeGroup();
                currentGroup = value;
                table.lines.push_back({ReportLine::Kind::Group, definition_.groupCaption + value, {}});
            }
        }
        ReportLine line;
        for (size_t c = 0; c < n; ++c) {
            const QVariant v = reader.value(positions[c]);
            line.cells << formatValue(v, table.columns[c].format);
            if (table.columns[c].sum) {
                const double d = basic::numberOf(v).value_or(0.0);
                grand.sums[c] += d;
                group.sums[c] += d;
            }
        }
        table.lines.push_back(std::move(line));
        ++grand.rows;
        ++group.rows;
    }
    closeGroup();
    table.rowCount = grand.rows;
    const bool anySum = std::any_of(table.columns.begin(), table.columns.end(),
                                    [](const ReportColumn& c) { return c.sum; });
    if (definition_.countRows || anySum)
        table.lines.push_back(totalLine(ReportLine::Kind::GrandTotal, QStringLiteral("Totale"), grand,
                                        table.columns, definition_.countRows));
    return table;
}

}  // namespace razudar::tables

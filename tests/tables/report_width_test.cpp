// Report column widths through the report routine: a width the page can hold is exported, one
// wider than the page (or 0, or less) is refused with "larghezza non valida" and writes nothing.
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "report_fixture.h"
#include "tables/reports/report_definition.h"
#include "tables/reports/report_export.h"

namespace razudar::testing {
namespace {

// The demo start list with its first column's width and the page's orientation changed.
QByteArray demoWithWidth(double width, bool landscape) {
    QFile f(demoReportSource());
    f.open(QIODevice::ReadOnly);
    QJsonObject o = QJsonDocument::fromJson(f.readAll()).object();
    QJsonArray columns = o.value(u"columns").toArray();
    QJsonObject first = columns[0].toObject();
    first.insert(QStringLiteral("width"), width);
    columns[0] = first;
    o.insert(QStringLiteral("columns"), columns);
    if (landscape) o.insert(QStringLiteral("orientation"), QStringLiteral("landscape"));
    return QJsonDocument(o).toJson();
}

TEST_F(ReportTest, ColumnWidthsAreBoundedByThePage) {
    struct Case {
        double width;
        bool landscape;
        bool accepted;
    };
    const Case cases[] = {{12, false, true},   {180, false, true}, {180.5, false, false}, {267, true, true},
                          {267.5, true, false}, {1e12, false, false}, {1e12, true, false},  {0, false, false},
                          {-5, false, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.width);
        race.fakes.prompter.clear();
        const QString name = writeReport(QStringLiteral("Larga.rpt"), demoWithWidth(c.width, c.landscape));
        for (const char* ext : {".rtf", ".xls", ".pdf"}) QFile::remove(path(QStringLiteral("Larga") + QLatin1String(ext)));
        for (const qint32 format : {4, 3, 2}) {
            Call call{QString(), name, false, {QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("GA"), QStringLiteral("1"), QStringLiteral("0")},
                      QString(), QString(), 0, format, path(QStringLiteral("Larga"))};
            stampa(call);
        }
        if (c.accepted) {
            EXPECT_TRUE(race.fakes.prompter.shown().empty()) << race.fakes.prompter.texts().join('\n').toStdString();
            const QString rtf = readText(path(QStringLiteral("Larga.rtf")));
            EXPECT_FALSE(rtf.contains(QStringLiteral("\\cellx-")));
            EXPECT_TRUE(rtf.contains(QStringLiteral("\\cellx%1").arg(qint64(c.width * 1440.0 / 25.4 + 0.5))));
            EXPECT_TRUE(readText(path(QStringLiteral("Larga.xls")))
                            .contains(QStringLiteral("ss:Width=\"%1\"").arg(qRound64(c.width * 72 / 25.4))));
            EXPECT_TRUE(QFileInfo::exists(path(QStringLiteral("Larga.pdf"))));
        } else {
            ASSERT_EQ(race.fakes.prompter.shown().size(), 3u);
            for (const QString& text : race.fakes.prompter.texts())
                EXPECT_TRUE(text.contains(QStringLiteral("colonna \"Ordine\": larghezza non valida"))) << text.toStdString();
            for (const char* ext : {".rtf", ".xls", ".pdf"})
                EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("Larga") + QLatin1String(ext))));
        }
    }
    EXPECT_EQ(tables::printableWidthMm(false), 180);
    EXPECT_EQ(tables::printableWidthMm(true), 267);
}

}  // namespace
}  // namespace razudar::testing

#pragma once
// The demo database in a temporary folder with the demo start-list report beside it, and the
// report routine's state over it.
#include <QDir>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

#include "window_db_fixture.h"
#include "tables/reports/stampa_report.h"

namespace razudar::testing {

inline QString demoReportSource() { return QStringLiteral(RAZUDAR_SOURCE_DIR "/assets/reports/ListaPartenza.rpt"); }

// The text of a PDF file as pdftotext gives it (layout kept).
inline QString pdfText(const QString& path) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

inline QString readText(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return QStringLiteral("<missing>");
    return QString::fromUtf8(f.readAll());
}

class ReportTest : public ::testing::Test {
protected:
    ReportTest() {
        report = race.dir.filePath(QStringLiteral("ListaPartenza.rpt"));
        QFile::copy(demoReportSource(), report);
    }
    QString path(const QString& name) const { return race.dir.filePath(name); }

    // A report file of its own next to the database.
    QString writeReport(const QString& name, const QByteArray& json) {
        QFile f(path(name));
        f.open(QIODevice::WriteOnly);
        f.write(json);
        return f.fileName();
    }

    // The report routine with the print buttons' arguments, changed where a test says.
    struct Call {
        QString testo;
        QString nome;
        bool anteprima = false;
        QStringList parametri;
        QString condizione;
        QString descrizione;
        qint16 copie = 0;
        qint32 formato = 0;
        QString file;
    };
    void stampa(Call& c) {
        qint16 nonUsato = 0;
        QString oggetto, oggetto2;
        bool flag = false;
        tables::StampaReport(state, nonUsato, c.testo, c.nome, c.anteprima, c.parametri, c.condizione,
                             c.descrizione, oggetto, c.copie, c.formato, c.file, oggetto2, flag);
    }
    // Exports the demo report for race 1, turn GA, run 1 in the format and returns the file.
    QString exportDemo(qint32 formato, const QString& extension, QStringList parametri = {
                           QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("GA"),
                           QStringLiteral("1"), QStringLiteral("0")}) {
        Call c{QString(), report, false, parametri, QString(), QString(), 0, formato, path(QStringLiteral("Lista"))};
        stampa(c);
        const QString file = path(QStringLiteral("Lista") + extension);
        // RAZUDAR_SCREENSHOTS=<folder> keeps a copy to look at.
        if (!qEnvironmentVariableIsEmpty("RAZUDAR_SCREENSHOTS")) {
            const QString copy = qEnvironmentVariable("RAZUDAR_SCREENSHOTS") + u'/' +
                                 QString::fromUtf8(::testing::UnitTest::GetInstance()->current_test_info()->name()) + extension;
            QFile::remove(copy);
            QFile::copy(file, copy);
        }
        return file;
    }

    WindowRaceDatabase race{assets::DatabaseContent::Demo};
    tables::ReportState state{race.state, race.fakes.services()};
    QString report;
};

}  // namespace razudar::testing

#pragma once
// The report routine of the table windows' print buttons: opens a report file, points it at the
// open race database, gives it its parameters and record selection, and previews, exports or
// prints it. Errors are shown to the operator; nothing is thrown to the caller.
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

#include "data/database_state.h"
#include "platform/services/services.h"
#include "tables/query_terms.h"

class QPrinter;
class QWidget;

namespace razudar::tables {

class ReportDocument;

// What the report routine shares across calls, and its ways to the outside world.
struct ReportState {
    ReportState(DatabaseState& db, const Services& s) : database(&db), services(s) {}

    DatabaseState* database;
    Services services;
    // The number of previews shown so far.
    int ContatoreAnteprime = 0;
    // The window whose icon the preview takes; may be null.
    QWidget* mainWindow = nullptr;
    // The printer a report is printed on (the system's default printer unless replaced).
    std::function<std::unique_ptr<QPrinter>()> makePrinter;
};

// Points every table of the report at the current race database file.
void ImpostaDatabaseReport(const ReportState& state, ReportDocument& report);

// Arguments as the print buttons pass them: (unused, text for the preview, report file, preview,
// parameter values, selection condition, description of the conditions, object name, copies,
// export format code, export file without extension, second object name, object flag). The
// selection condition is a program's own text over the report's columns; `selezione` is a
// window's filter, whose typed values are bound. Both narrow the report's own selection.
void StampaReport(ReportState& state, qint16& nonUsato, QString& testoAnteprima, QString& nomeReport,
                  bool& anteprima, QStringList& parametri, QString& condizione, QString& descrizione,
                  QString& oggetto, qint16& copie, qint32& formatoExport, QString& fileExport,
                  QString& oggetto2, bool& flagOggetto, const QueryConditions& selezione = {});

}  // namespace razudar::tables

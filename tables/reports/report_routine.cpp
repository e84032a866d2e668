#include "tables/reports/report_routine.h"

#include <QFileInfo>

#include "platform/services/paths.h"

namespace razudar::tables {

ReportRoutine::ReportRoutine(ReportState& state, QString reportFolder)
    : state_(state), folder_(paths::withTrailingSeparator(std::move(reportFolder))) {}

QString ReportRoutine::reportFile(const QString& name) const {
    const QString stored = paths::toNative(name.trimmed());
    if (stored.isEmpty()) return QString();
    if (QFileInfo(stored).isAbsolute()) return QFileInfo::exists(stored) ? stored : QString();
    QString found = paths::findCaseInsensitive(folder_, stored);
    if (found.isEmpty() && QFileInfo(stored).suffix().isEmpty())
        found = paths::findCaseInsensitive(folder_, stored + QStringLiteral(".rpt"));
    return found;
}

bool ReportRoutine::StampaReport(const ReportCall& call) {
    // A name with no file still goes to the routine, which tells the operator which report it
    // could not open.
    QString nome = reportFile(call.reportName);
    if (nome.isEmpty()) nome = folder_ + paths::toNative(call.reportName);
    const int previewsBefore = state_.ContatoreAnteprime;
    qint16 nonUsato = 0;
    QString testoAnteprima;
    bool anteprima = call.preview;
    QStringList parametri = call.parameters;
    // The window's filter reaches the report bound; its readable formula is not run.
    QString condizione;
    QString descrizione = call.description;
    QString oggetto;
    qint16 copie = qint16(call.copies);
    qint32 formato = qint32(call.exportFormat);
    QString fileExport;
    QString oggetto2;
    bool flagOggetto = false;
    tables::StampaReport(state_, nonUsato, testoAnteprima, nome, anteprima, parametri, condizione, descrizione, oggetto,
                         copie, formato, fileExport, oggetto2, flagOggetto, call.selection);
    // The routine reports its own failures to the operator; a preview shown counts as done.
    return !call.preview || state_.ContatoreAnteprime > previewsBefore;
}

}  // namespace razudar::tables

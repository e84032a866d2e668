#pragma once
// The print buttons' way to the report routine: a button's report name is looked up in the
// report folder (ignoring case, ".rpt" added when the name has no extension) and handed to
// StampaReport with the window's parameters, selection and description.
#include <QString>

#include "tables/report_entry.h"
#include "tables/reports/stampa_report.h"

namespace razudar::tables {

class ReportRoutine : public ReportEntry {
public:
    ReportRoutine(ReportState& state, QString reportFolder);
    bool StampaReport(const ReportCall& call) override;

    // The report file a button's name stands for; empty when there is none.
    QString reportFile(const QString& name) const;

private:
    ReportState& state_;
    QString folder_;
};

}  // namespace razudar::tables

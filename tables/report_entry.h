#pragma once
// What the print buttons and the visible-fields button of a table window call: the report
// routine and the chooser window, reached through these small interfaces so that the command
// buttons work (with a clear message) in a program that has neither.
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

#include "tables/query_terms.h"

namespace razudar {
class Prompter;
}

namespace razudar::tables {

// The arguments the print buttons hand to the report routine.
struct ReportCall {
    QString reportName;
    bool preview = true;
    QStringList parameters;
    // The rows the report lists: the window's own filter, every typed value bound.
    QueryConditions selection;
    // The same filter as a readable formula (str_Wher2Rpt), for titles and records; never run.
    QString condition;
    QString description;  // the readable conditions (str_Criterio), for the title
    int copies = 0;
    long exportFormat = 0;
};

class ReportEntry {
public:
    virtual ~ReportEntry() = default;
    // True when the report was shown, printed or exported.
    virtual bool StampaReport(const ReportCall& call) = 0;
};

// One box of the visible-fields chooser.
struct FieldChoice {
    int field = 0;     // the field number (the box's Tag)
    QString caption;
    bool visible = true;
};

class VisibleFieldsChooser {
public:
    virtual ~VisibleFieldsChooser() = default;
    // Shows the boxes modally; the chosen values when confirmed, nullopt when cancelled.
    virtual std::optional<std::vector<FieldChoice>> choose(const std::vector<FieldChoice>& boxes,
                                                           const QString& windowName) = 0;
};

// The message shown when the program has no report routine or chooser yet.
inline const QString kFunzioneNonDisponibile = QStringLiteral("Funzione non ancora disponibile in questa versione.");

}  // namespace razudar::tables

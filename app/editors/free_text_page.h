#pragma once
// Page codes 15 (full page) and 16 (lower third): the operator edits the page's texts in its
// editor and leaves with a row button, whose row is handed back to be put on air, or with
// "&Annulla".
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include "app/pages/page_codes.h"

class QWidget;

namespace razudar {

struct DatabaseState;
class DialogRunner;
class Prompter;

// Receives the row the operator chose; the caller puts it on air afterwards.
class FreeTextChoice {
public:
    virtual ~FreeTextChoice() = default;
    // `pagina` is "PaginaPiena" or "PaginaBassa"; `testi` the row's 3 or 4 texts, trimmed.
    virtual void recordChosenRow(const QString& pagina, const QStringList& testi) = 0;
};

// Opens the editor of the page code modally over `owner` (through `dialogs`, exec() when null),
// and hands the chosen row to `choice`. True when a row was chosen; another code does nothing.
bool PaginaTestoLibero(qint16 codice, DatabaseState& database, Prompter& prompter, FreeTextChoice& choice,
                       QWidget* owner = nullptr, DialogRunner* dialogs = nullptr);

}  // namespace razudar

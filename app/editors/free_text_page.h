#pragma once
// Page codes 15 (full page) and 16 (lower third): the operator edits the page's texts in its
// editor and leaves with a row button, whose row goes on air, or with "&Annulla".
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <functional>

#include "app/pages/page_codes.h"

class QWidget;

namespace razudar {

struct DatabaseState;
class Prompter;
class frmPaginaTesto;

// Where the chosen row goes: the page dispatcher writes the texts into the page and starts it.
class FreeTextOnAir {
public:
    virtual ~FreeTextOnAir() = default;
    // `pagina` is "PaginaPiena" or "PaginaBassa"; `testi` the row's 3 or 4 texts, trimmed.
    virtual void MandaInOndaTestoLibero(const QString& pagina, const QStringList& testi) = 0;
};

// Opens the editor of the page code modally over `owner` (through `mostra` when given, else
// exec()), and puts the chosen row on air. True when a row went on air; another code does
// nothing.
bool PaginaTestoLibero(qint16 codice, DatabaseState& database, Prompter& prompter, FreeTextOnAir& onAir,
                       QWidget* owner = nullptr, const std::function<void(frmPaginaTesto&)>& mostra = {});

}  // namespace razudar

#pragma once
// The free-text page editors as the page dispatcher sees them: page code 15 opens the full-page
// editor, code 16 the lower-third editor, modally over the main window; the row the operator
// puts on air comes back to the dispatcher, which loads the page and writes the lines.
#include <QStringList>

#include <functional>

#include "app/pages/page_dispatcher.h"

class QWidget;

namespace razudar {

struct DatabaseState;
class Prompter;
class frmPaginaTesto;

class FreeTextEditorWindows : public FreeTextEditors {
public:
    // `mostra` replaces the modal exec() (tests act on the shown editor through it).
    FreeTextEditorWindows(DatabaseState& database, Prompter& prompter, QWidget* owner,
                          std::function<void(frmPaginaTesto&)> mostra = {});
    bool scegliRiga(qint16 codice, QStringList* righe) override;

private:
    DatabaseState& database_;
    Prompter& prompter_;
    QWidget* owner_;
    std::function<void(frmPaginaTesto&)> mostra_;
};

}  // namespace razudar

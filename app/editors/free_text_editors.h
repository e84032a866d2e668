#pragma once
// The free-text page editors as the page dispatcher sees them: page code 15 opens the full-page
// editor, code 16 the lower-third editor, modally over the main window; the row the operator
// puts on air comes back to the dispatcher, which loads the page and writes the lines.
#include <QStringList>

#include "app/pages/page_dispatcher.h"

class QWidget;

namespace razudar {

struct DatabaseState;
class DialogRunner;
class Prompter;

class FreeTextEditorWindows : public FreeTextEditors {
public:
    // The editors run through `dialogs` (exec() when null).
    FreeTextEditorWindows(DatabaseState& database, Prompter& prompter, QWidget* owner,
                          DialogRunner* dialogs = nullptr);
    bool scegliRiga(qint16 codice, QStringList* righe) override;

private:
    DatabaseState& database_;
    Prompter& prompter_;
    QWidget* owner_;
    DialogRunner* dialogs_;
};

}  // namespace razudar

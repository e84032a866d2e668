#include "app/editors/free_text_editors.h"

#include "app/editors/free_text_page.h"

namespace razudar {

namespace {
// Keeps the chosen row's lines for the dispatcher, which owns loading the page and the on-air
// record.
class ChosenRow : public FreeTextChoice {
public:
    void recordChosenRow(const QString&, const QStringList& testi) override { righe = testi; }
    QStringList righe;
};
}  // namespace

FreeTextEditorWindows::FreeTextEditorWindows(DatabaseState& database, Prompter& prompter, QWidget* owner,
                                             DialogRunner* dialogs)
    : database_(database), prompter_(prompter), owner_(owner), dialogs_(dialogs) {}

bool FreeTextEditorWindows::scegliRiga(qint16 codice, QStringList* righe) {
    ChosenRow scelta;
    if (!PaginaTestoLibero(codice, database_, prompter_, scelta, owner_, dialogs_)) return false;
    if (righe) *righe = scelta.righe;
    return true;
}

}  // namespace razudar

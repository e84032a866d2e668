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
                                             std::function<void(frmPaginaTesto&)> mostra)
    : database_(database), prompter_(prompter), owner_(owner), mostra_(std::move(mostra)) {}

bool FreeTextEditorWindows::scegliRiga(qint16 codice, QStringList* righe) {
    ChosenRow scelta;
    if (!PaginaTestoLibero(codice, database_, prompter_, scelta, owner_, mostra_)) return false;
    if (righe) *righe = scelta.righe;
    return true;
}

}  // namespace razudar

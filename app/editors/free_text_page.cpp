#include "app/editors/free_text_page.h"

#include "app/editors/frm_pagina_testo.h"
#include "platform/services/widget_services.h"

namespace razudar {

bool PaginaTestoLibero(qint16 codice, DatabaseState& database, Prompter& prompter, FreeTextChoice& choice,
                       QWidget* owner, DialogRunner* dialogs) {
    if (codice != kCodicePaginaPiena && codice != kCodicePaginaBassa) return false;
    frmPaginaTesto editor(codice == kCodicePaginaPiena ? layoutPaginaPiena() : layoutPaginaBassa(), database,
                          prompter, owner);
    if (!editor.Aggiorna()) return false;  // the table cannot be read: said to the operator
    // The chosen row is the editor's own record: how the editor was closed does not matter.
    runModal(dialogs, editor);
    if (!editor.bRigaScelta) return false;
    choice.recordChosenRow(editor.layout().pagina, editor.testiRiga(editor.RigaScelta));
    return true;
}

}  // namespace razudar

#include "app/editors/free_text_page.h"

#include "app/editors/frm_pagina_testo.h"

namespace razudar {

bool PaginaTestoLibero(qint16 codice, DatabaseState& database, Prompter& prompter, FreeTextChoice& choice,
                       QWidget* owner, const std::function<void(frmPaginaTesto&)>& mostra) {
    if (codice != kCodicePaginaPiena && codice != kCodicePaginaBassa) return false;
    frmPaginaTesto editor(codice == kCodicePaginaPiena ? layoutPaginaPiena() : layoutPaginaBassa(), database,
                          prompter, owner);
    if (!editor.Aggiorna()) return false;  // the table cannot be read: said to the operator
    if (mostra)
        mostra(editor);
    else
        editor.exec();
    if (!editor.bRigaScelta) return false;
    choice.recordChosenRow(editor.layout().pagina, editor.testiRiga(editor.RigaScelta));
    return true;
}

}  // namespace razudar

#pragma once
// The paging shared by the results lists and the start list: one screen of rows at a time, the
// rows of the screen on air moved out one by one and the new ones moved in one by one.
#include <QString>
#include <QStringList>

#include <functional>

#include "app/pages/page_context.h"

namespace razudar {

class PageOnAir;

struct ElencoPagina {
    QString pagina;
    int righe = 0;         // rows per screen
    QStringList campi;     // base names of a row's objects, the field list of every row move
    qint16 tipo = 0;       // kind of RigaDisponibile
    QString categoria;
    std::function<void()> scriviTitoli;                    // the single objects of a new page
    std::function<void(int riga, int posizione)> scriviRiga;  // the texts of one row
    std::function<bool(int posizione)> rigaPiena;             // the row at a position has texts
};

// Shows screen `schermo` of the list: a new page for screen 1, the next screen of the page on air
// otherwise; a next screen without a row to write clears the air, as after the last screen.
void PaginaElenco(PageContext& ctx, PageOnAir& onAir, qint16 schermo, const ElencoPagina& elenco);

// "imgSpecialita" and "imgFederazione" of a list page.
void ScriviImmaginiGara(PageContext& ctx, const QString& pagina);

}  // namespace razudar

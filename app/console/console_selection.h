#pragma once
// The operator's selection: the competitor chosen by bib, and the steps each page button takes
// before its page code reaches the page dispatcher (check boxes switched, split chosen, heat
// taken from the pressed heat button).
#include <QString>
#include <QtGlobal>

#include "app/program_state.h"

namespace razudar {

// What the bib box selects: the competitor number (-1 none), the name label's text, and a
// warning for the status bar when a typed bib matches no competitor.
struct BibSelection {
    qint16 concorrente = -1;
    QString nominativo;
    QString avviso;
};
BibSelection SelezionePettorale(const clsKrono* krono, const QString& testo);

// What the page-button steps need of the main window. Switching a check box by code raises its
// own click handler when its state changes.
class PageButtonHost {
public:
    virtual ~PageButtonHost() = default;
    virtual void setNominativoChecked(bool checked) = 0;  // chkTCNominativo
    virtual void setDistaccoChecked(bool checked) = 0;    // chkDistaccoParallelo
    virtual QString pageButtonTag(int code) const = 0;
    // The heat number beside the heat button `index` (0 to 14).
    virtual QString heatCaption(int index) const = 0;
    virtual void MandaInOnda(qint16 code) = 0;
};

// The page button `code` pressed: its steps, then its page.
void PulsantePagina(ProgramState& state, PageButtonHost& host, int code);

}  // namespace razudar

#pragma once
// The operator's selection: the competitor chosen by bib, and what the page buttons need of the
// window for the steps they take before their page code reaches the page dispatcher (the steps
// themselves are the console unit's, ConsoleRefresh::PulsantePagina).
#include <QString>
#include <QtGlobal>

namespace razudar {

class clsKrono;

// What the bib box selects: the competitor number (-1 none), the name label's text, and a
// warning for the status bar when a typed bib matches no competitor.
struct BibSelection {
    qint16 concorrente = -1;
    QString nominativo;
    QString avviso;
};
BibSelection SelezionePettorale(const clsKrono* krono, const QString& testo);

// The two check boxes the page buttons switch. Switching a check box by code raises its own click
// handler when its state changes, and that handler puts its own page on air.
class PageButtonHost {
public:
    virtual ~PageButtonHost() = default;
    virtual void setNominativoChecked(bool checked) = 0;  // chkTCNominativo
    virtual void setDistaccoChecked(bool checked) = 0;    // chkDistaccoParallelo
};

}  // namespace razudar

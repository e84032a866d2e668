// The operator's handlers of the main window: classification tabs and category list (the
// preview list), category grid, competitor buttons, bib box, check boxes and page buttons.
#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QTimer>

#include "app/console/console_refresh.h"
#include "app/controls/stovak_proxy.h"
#include "app/pages/page_dispatcher.h"
#include "app/program_state.h"
#include "app/windows/frm_grafica.h"
#include "app/windows/label_caption.h"
#include "model/bas_utilita.h"

namespace razudar {

void frmGrafica::tabChanged(int) {
    // A refresh redraws the preview list once the messages waiting have been handled: a burst
    // of timekeeping messages draws the list once, with the last race state.
    if (previewPending_) return;
    previewPending_ = true;
    QTimer::singleShot(0, this, [this] {
        if (!previewPending_) return;
        sstClassifiche_Click();
    });
}

void frmGrafica::sstClassifiche_Click() {
    previewPending_ = false;
    lblClassificazione_->clear();
    const int t = console_->view().currentTab;
    const QString all = QString::fromUtf16(kTuttiLeCategorie);
    if (t >= 1 && t <= 5) {
        visualizzaPreview(t, all);
        lstClassificaCategorie_->setEnabled(false);
    } else if (t == 0) {
        visualizzaPreview(0, all);
        lstClassificaCategorie_->setEnabled(false);
    } else if (t == kTabCategoria && state_.race.Krono) {
        clsKrono& k = state_.krono();
        lblClassificazione_->setText(k.CategoriaItem(k.CategoriaPreview())->Descrizione());
        visualizzaPreview(0, k.CategoriaPreview());
        lstClassificaCategorie_->setEnabled(true);
    }
}

void frmGrafica::visualizzaPreview(qint32 classifica, const QString& categoria) {
    if (!state_.race.Krono || !stovak_) return;
    LabelCaption caption(lblClassifica_);
    state_.krono().VisualizzaPreview(*stovak_, caption, classifica, categoria);
}

// ---- operator handlers ----

void frmGrafica::RipristinaColoriConcorrenti() {
    for (CompetitorButtonView& b : console_->view().buttons) b.highlighted = false;
    applyConsole();
}

void frmGrafica::cmdConcorrente_Click(int index) {
    RipristinaColoriConcorrenti();
    state_.IndicePulsanteConcorrente = qint16(index);
    if (state_.race.Krono && state_.krono().MancheParallelo()) {
        console_->view().buttons[size_t(index)].highlighted = true;
        applyConsole();
    } else {
        txtSelezione_->setText(cmdConcorrente_[size_t(index)]->text());
    }
}

void frmGrafica::txtSelezione_Change() {
    state_.ConcorrenteSelezionato = -1;
    if (!state_.race.Krono) return;
    clsKrono& k = state_.krono();
    const int code = k.ConcorrenteDaPettorale(ValoreIntero(txtSelezione_->text(), 0));
    if (code >= 0 && k.ConcorrenteExists(qint16(code))) {
        state_.ConcorrenteSelezionato = qint16(code);
        const auto c = k.ConcorrenteItem(qint16(code));
        lblNominativo_->setText(c->Cognome() + QLatin1Char(' ') + c->Nome());
    } else {
        lblNominativo_->clear();
    }
}

void frmGrafica::tdbCategorie_RowColChange(int row) {
    if (row < 0 || row >= tdbCategorie_->rowCount() || !state_.race.Krono) return;
    state_.CategoriaSelezionata = tdbCategorie_->item(row, 0)->data(Qt::UserRole).toString();
    const qint16 n = state_.krono().CategoriaOrdine(state_.CategoriaSelezionata);
    {
        const QSignalBlocker block(tdbCategorie_);
        tdbCategorie_->clearSelection();
        tdbCategorie_->selectRow(n < 1 ? 0 : n);
    }
    console_->AggiornaPulsantiConcorrenti();
}

void frmGrafica::lstClassificaCategorie_Click(int index) {
    if (!state_.race.Krono || index < 0) return;
    clsKrono& k = state_.krono();
    const auto category = k.CategoriaInOrdine(qint16(index + 1));
    if (!category) return;
    k.setCategoriaPreview(category->Categoria());
    visualizzaPreview(0, k.CategoriaPreview());
    lblClassificazione_->setText(k.CategoriaItem(k.CategoriaPreview())->Descrizione());
}

void frmGrafica::chkTCNominativo_Click() {
    state_.NominativoTCVisibile = chkTCNominativo_->isChecked();
    pages_->MandaInOnda(11);
}

void frmGrafica::cmdPagina_Click(int index) {
    if (index == 21 || index == 22 || index == 23) {
        chkTCNominativo_->setChecked(true);
        state_.SplitMostrato = cmdPagina_->button(index)->property("tag").toString();
    }
    if (index == 9) chkTCNominativo_->setChecked(true);
    if (index == 20) chkTCNominativo_->setChecked(false);
    if (index == 10) state_.ClassificaTCVisibile = !state_.ClassificaTCVisibile;
    if (index == 25) {
        if (state_.IndicePulsanteConcorrente < 0 || state_.IndicePulsanteConcorrente >= kCompetitorButtons) return;
        if (state_.krono().MancheSfidaCorrente() > 1) chkDistaccoParallelo_->setChecked(true);
        state_.SfidaSelezionata =
            ValoreIntero(cmdConcorrenteP_[size_t(state_.IndicePulsanteConcorrente)]->text(), 0);
    }
    pages_->MandaInOnda(qint16(index));
}


}  // namespace razudar

// The operator's handlers of the main window: classification tabs and category list (the
// preview list), category grid, competitor buttons, bib box, check boxes and page buttons.
#include <algorithm>

#include <QButtonGroup>
#include <QEvent>
#include <QHeaderView>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTableWidget>
#include <QTimer>

#include "app/console/console_refresh.h"
#include "app/console/preview_list.h"
#include "app/faults/database_faults.h"
#include "app/controls/stovak_proxy.h"
#include "app/pages/page_codes.h"
#include "app/pages/page_dispatcher.h"
#include "app/program_state.h"
#include "app/windows/frm_grafica.h"
#include "app/windows/label_caption.h"
#include "app/windows/preview_header.h"
#include "model/bas_utilita.h"

namespace razudar {

namespace {
constexpr int kCategoryNoticeMs = 15000;  // long enough to be read during a live race
}  // namespace

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
    const QString all = clsConcorrente::kAllCategories;
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
    writeSizedPreview(state_.krono(), *stovak_, caption, classifica, categoria);
    previewHeader_->fit();
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
    const BibSelection selection = SelezionePettorale(state_.race.Krono.get(), txtSelezione_->text());
    state_.ConcorrenteSelezionato = selection.concorrente;
    lblNominativo_->setText(selection.nominativo);
    if (selection.avviso.isEmpty()) statusBar()->clearMessage();
    else statusBar()->showMessage(selection.avviso, 5000);
}

bool frmGrafica::eventFilter(QObject* watched, QEvent* event) {
    // The bib box selects its whole text when it gets the focus (after the click has placed
    // the cursor).
    if (watched == txtSelezione_ && event->type() == QEvent::FocusIn)
        QTimer::singleShot(0, txtSelezione_, [box = txtSelezione_] { box->selectAll(); });
    return QMainWindow::eventFilter(watched, event);
}

void frmGrafica::tdbCategorie_RowColChange(int row) {
    const DatabaseFaults::Action action(*faults_, FaultChannel::MessageBox);
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

void frmGrafica::showCategoryGrid(const ConsoleState& v) {
    {
        const QSignalBlocker block(tdbCategorie_);
        tdbCategorie_->setRowCount(int(v.categoryGrid.size()));
        for (int r = 0; r < v.categoryGrid.size(); ++r) {
            // The code "XXXXX" of the first row shows as an empty cell.
            const QString& code = v.categoryGrid[r].first;
            auto* codeItem = new QTableWidgetItem(code == clsConcorrente::kAllCategories ? QString() : code);
            codeItem->setData(Qt::UserRole, code);
            tdbCategorie_->setItem(r, 0, codeItem);
            tdbCategorie_->setItem(r, 1, new QTableWidgetItem(v.categoryGrid[r].second));
        }
        // The highlighted row is the chosen category's, wherever the new list puts it.
        const int row = std::max(0, categoryGridRow(v, state_.CategoriaSelezionata));
        if (row < tdbCategorie_->rowCount()) {
            tdbCategorie_->setCurrentCell(row, 0);
            tdbCategorie_->selectRow(row);
        }
    }
    // Every row in view: the grid is as tall as its header and rows, with no scroll bar.
    int height = 2 * tdbCategorie_->frameWidth() + tdbCategorie_->horizontalHeader()->sizeHint().height();
    for (int r = 0; r < tdbCategorie_->rowCount(); ++r) height += tdbCategorie_->rowHeight(r);
    tdbCategorie_->setFixedHeight(height);
    if (!v.categoryNotice.isEmpty()) {
        statusBar()->showMessage(v.categoryNotice, kCategoryNoticeMs);
        console_->view().categoryNotice.clear();
    }
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
    const DatabaseFaults::Action action(*faults_, FaultChannel::MessageBox);
    state_.NominativoTCVisibile = chkTCNominativo_->isChecked();
    pageRouter_->MandaInOnda(kCodiceNominativoTC);
}

void frmGrafica::cmdPagina_Click(int index) {
    const DatabaseFaults::Action action(*faults_, FaultChannel::MessageBox);
    PulsantePagina(state_, *this, index);
}

void frmGrafica::setNominativoChecked(bool checked) { chkTCNominativo_->setChecked(checked); }
void frmGrafica::setDistaccoChecked(bool checked) { chkDistaccoParallelo_->setChecked(checked); }
QString frmGrafica::pageButtonTag(int code) const {
    const QAbstractButton* b = cmdPagina_->button(code);
    return b ? b->property("tag").toString() : QString();
}
QString frmGrafica::heatCaption(int index) const {
    return index >= 0 && index < kCompetitorButtons ? cmdConcorrenteP_[size_t(index)]->text() : QString();
}
void frmGrafica::MandaInOnda(qint16 code) { pageRouter_->MandaInOnda(code); }

}  // namespace razudar

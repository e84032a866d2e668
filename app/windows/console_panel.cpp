// The console panel's behaviour: showing the console state, and the operator's handlers of the
// classification tabs and category list (the preview list), category grid, competitor buttons,
// bib box, check boxes, page and sponsor buttons.
#include "app/windows/console_panel.h"

#include <algorithm>

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTableWidget>
#include <QTimer>

#include "app/console/preview_list.h"
#include "app/controls/stovak_proxy.h"
#include "app/faults/database_faults.h"
#include "app/pages/page_codes.h"
#include "app/pages/page_dispatcher.h"
#include "app/program_state.h"
#include "app/windows/label_caption.h"
#include "app/windows/preview_header.h"

namespace razudar {

namespace {
constexpr int kCategoryNoticeMs = 15000;  // long enough to be read during a live race
}  // namespace

ConsolePanel::ConsolePanel(const ProgramState& state, QWidget* listControl, QWidget* parent)
    : QWidget(parent), state_(state) {
    setObjectName(QStringLiteral("pannelloConsole"));
    buildWidgets(listControl);
}

void ConsolePanel::attach(const ConsolePorts& ports) {
    ports_.emplace(ports);
    // The header line in the list's face, scrolled with it.
    previewHeader_->setListFont(ports_->list.Font());
    ports_->list.connectHorizontalScroll(previewHeader_, "scrollTo");
    connectHandlers();
}

void ConsolePanel::connectHandlers() {
    connect(sstClassifiche_, &QTabBar::currentChanged, this, [this](int tab) {
        if (applying_) return;
        ports_->console.setCurrentTab(tab);
        sstClassifiche_Click();
    });
    connect(txtSelezione_, &QLineEdit::textChanged, this, &ConsolePanel::txtSelezione_Change);
    txtSelezione_->installEventFilter(this);
    connect(tdbCategorie_, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (!applying_) tdbCategorie_RowColChange(row);
    });
    connect(lstClassificaCategorie_, &QListWidget::itemClicked, this,
            [this] { lstClassificaCategorie_Click(lstClassificaCategorie_->currentRow()); });
    for (int i = 0; i < kCompetitorButtons; ++i) {
        connect(cmdConcorrente_[size_t(i)], &QPushButton::clicked, this, [this, i] { cmdConcorrente_Click(i); });
        connect(cmdConcorrenteP_[size_t(i)], &QPushButton::clicked, this, [this, i] { cmdConcorrente_Click(i); });
    }
    connect(cmdPagina_, &QButtonGroup::idClicked, this, &ConsolePanel::cmdPagina_Click);
    connect(chkTCNominativo_, &QCheckBox::toggled, this, &ConsolePanel::chkTCNominativo_Click);
    connect(chkDistaccoParallelo_, &QCheckBox::toggled, this, [this] {
        const DatabaseFaults::Action action(ports_->faults, FaultChannel::StatusBar);
        AggiornaDistaccoParallelo(true);
    });
    for (int i = 0; i < int(cmdSponsor_.size()); ++i)
        connect(cmdSponsor_[size_t(i)], &QPushButton::clicked, this, [this, i] { cmdSponsor_Click(i); });
}

void ConsolePanel::primoDisegno() { fraClassifica_->setPalette(QApplication::palette()); }

// ---- the console state on the widgets ----

void ConsolePanel::applyConsole() {
    // Showing the console is no operator action: no handler runs while the widgets follow it.
    applying_ = true;
    const ConsoleState& v = ports_->console.view();
    if (!v.caption.isEmpty()) window()->setWindowTitle(v.caption);
    {
        const QSignalBlocker block(sstClassifiche_);
        for (int i = 0; i < kClassificationTabs; ++i) sstClassifiche_->setTabEnabled(i, v.tabEnabled[size_t(i)]);
        sstClassifiche_->setCurrentIndex(v.currentTab);
    }
    const bool categoriesChanged = categoriesShown_ != v.categoriesVersion;
    if (categoriesChanged) {
        categoriesShown_ = v.categoriesVersion;
        const QSignalBlocker block(lstClassificaCategorie_);
        lstClassificaCategorie_->clear();
        lstClassificaCategorie_->addItems(v.categoryLines);
        buildCategoryGrid(v);
    }
    showCategoryGrid(v, categoriesChanged);
    for (int i = 0; i < kCompetitorButtons; ++i) {
        const CompetitorButtonView& b = v.buttons[size_t(i)];
        QPushButton* button = cmdConcorrente_[size_t(i)];
        QPushButton* side = cmdConcorrenteP_[size_t(i)];
        button->setText(b.caption);
        button->setProperty("tag", b.tag);
        button->setToolTip(b.toolTip);
        QFont f = button->font();
        f.setPointSize(b.fontSize);
        f.setBold(true);
        button->setFont(f);
        button->setStyleSheet(b.highlighted ? QStringLiteral("background-color: #FFFF00;") : QString());
        button->setEnabled(b.enabled);
        button->setVisible(b.visible);
        side->setText(b.sideCaption);
        side->setEnabled(b.sideEnabled);
        side->setVisible(b.sideVisible);
    }
    fraTempoCorrere_->setVisible(v.tempoCorrereVisible);
    fraParallelo_->setVisible(v.paralleloVisible);
    chkDistaccoParallelo_->setEnabled(v.distaccoParalleloEnabled);
    for (QPushButton* s : cmdSponsor_) s->setEnabled(v.sponsorEnabled);
    for (auto it = v.pageEnabled.constBegin(); it != v.pageEnabled.constEnd(); ++it) {
        if (QAbstractButton* b = cmdPagina_->button(it.key())) b->setEnabled(it.value());
    }
    for (auto it = v.pageCaption.constBegin(); it != v.pageCaption.constEnd(); ++it) {
        if (QAbstractButton* b = cmdPagina_->button(it.key())) b->setText(it.value());
    }
    applying_ = false;
}

void ConsolePanel::buildCategoryGrid(const ConsoleState& v) {
    ++categoryGridBuilds_;
    {
        const QSignalBlocker block(tdbCategorie_);
        // Every row is in view, so each cell written would add its own rectangle to the region
        // the grid repaints, at a cost growing with the rectangles already there: the grid is
        // filled with its updates off and repainted once.
        tdbCategorie_->setUpdatesEnabled(false);
        tdbCategorie_->clearContents();
        tdbCategorie_->setRowCount(int(v.categoryGrid.size()));
        for (int r = 0; r < v.categoryGrid.size(); ++r) {
            // The code "XXXXX" of the first row shows as an empty cell.
            const QString& code = v.categoryGrid[r].first;
            auto* codeItem = new QTableWidgetItem(code == clsConcorrente::kAllCategories ? QString() : code);
            codeItem->setData(Qt::UserRole, code);
            tdbCategorie_->setItem(r, 0, codeItem);
            tdbCategorie_->setItem(r, 1, new QTableWidgetItem(v.categoryGrid[r].second));
        }
        tdbCategorie_->setUpdatesEnabled(true);
    }
    // Every row in view: the grid is as tall as its header and rows, with no scroll bar.
    tdbCategorie_->setFixedHeight(2 * tdbCategorie_->frameWidth() +
                                  tdbCategorie_->horizontalHeader()->sizeHint().height() +
                                  tdbCategorie_->verticalHeader()->length());
}

void ConsolePanel::showCategoryGrid(const ConsoleState& v, bool rebuilt) {
    {
        const QSignalBlocker block(tdbCategorie_);
        // The highlighted row is the chosen category's, wherever the list puts it.
        const int row = std::max(0, categoryGridRow(v, state_.CategoriaSelezionata));
        if (row < tdbCategorie_->rowCount() && (rebuilt || tdbCategorie_->currentRow() != row)) {
            tdbCategorie_->setCurrentCell(row, 0);
            tdbCategorie_->selectRow(row);
        }
    }
    const QString notice = ports_->console.takeCategoryNotice();
    if (!notice.isEmpty()) emit statusMessage(notice, kCategoryNoticeMs);
}

// ---- the preview list ----

void ConsolePanel::tabChanged(int) {
    // A refresh redraws the preview list once the messages waiting have been handled: a burst
    // of timekeeping messages draws the list once, with the last race state.
    if (previewPending_) return;
    previewPending_ = true;
    QTimer::singleShot(0, this, [this] {
        if (!previewPending_) return;
        sstClassifiche_Click();
    });
}

void ConsolePanel::sstClassifiche_Click() {
    previewPending_ = false;
    lblClassificazione_->clear();
    const std::optional<PreviewChoice> preview = ports_->console.previewFor(ports_->console.view().currentTab);
    if (!preview) return;
    lblClassificazione_->setText(preview->classificazione);
    visualizzaPreview(preview->classifica, preview->categoria);
    if (preview->categoryListEnabled) lstClassificaCategorie_->setEnabled(*preview->categoryListEnabled);
}

void ConsolePanel::visualizzaPreview(qint32 classifica, const QString& categoria) {
    if (!state_.race.Krono) return;
    LabelCaption caption(lblClassifica_);
    writeSizedPreview(state_.krono(), ports_->list, caption, classifica, categoria);
    previewHeader_->fit();
}

void ConsolePanel::lstClassificaCategorie_Click(int index) {
    const std::optional<PreviewChoice> preview = ports_->console.chooseCategoryLine(index);
    if (!preview) return;
    visualizzaPreview(preview->classifica, preview->categoria);
    lblClassificazione_->setText(preview->classificazione);
}

// ---- operator handlers ----

void ConsolePanel::cmdConcorrente_Click(int index) {
    // A competitor button puts its bib in the bib box; a heat button is highlighted instead.
    if (const std::optional<QString> bib = ports_->console.selectButton(index)) txtSelezione_->setText(*bib);
}

void ConsolePanel::txtSelezione_Change() {
    const BibSelection selection = ports_->console.chooseBib(txtSelezione_->text());
    lblNominativo_->setText(selection.nominativo);
    emit statusMessage(selection.avviso, 5000);
}

bool ConsolePanel::eventFilter(QObject* watched, QEvent* event) {
    // The bib box selects its whole text when it gets the focus (after the click has placed
    // the cursor).
    if (watched == txtSelezione_ && event->type() == QEvent::FocusIn)
        QTimer::singleShot(0, txtSelezione_, [box = txtSelezione_] { box->selectAll(); });
    return QWidget::eventFilter(watched, event);
}

void ConsolePanel::tdbCategorie_RowColChange(int row) {
    const DatabaseFaults::Action action(ports_->faults, FaultChannel::MessageBox);
    if (row < 0 || row >= tdbCategorie_->rowCount()) return;
    const std::optional<int> shown =
        ports_->console.chooseCategory(tdbCategorie_->item(row, 0)->data(Qt::UserRole).toString());
    if (!shown) return;
    {
        const QSignalBlocker block(tdbCategorie_);
        tdbCategorie_->clearSelection();
        tdbCategorie_->selectRow(*shown);
    }
    ports_->console.AggiornaPulsantiConcorrenti();
}

// The page buttons and the two check boxes that put a page on air tell a database failure on the
// status bar: the air waits for the page, so no box may hold it.
void ConsolePanel::chkTCNominativo_Click() {
    const DatabaseFaults::Action action(ports_->faults, FaultChannel::StatusBar);
    ports_->console.showNameOnClock(chkTCNominativo_->isChecked());
    ports_->pages.MandaInOnda(kCodiceNominativoTC);
}

void ConsolePanel::cmdPagina_Click(int index) {
    const DatabaseFaults::Action action(ports_->faults, FaultChannel::StatusBar);
    ports_->console.PulsantePagina(index, *this, ports_->pages);
}

void ConsolePanel::cmdSponsor_Click(int slot) {
    ports_->sponsors.AlternaSponsor(slot);
}

void ConsolePanel::AggiornaDistaccoParallelo(bool mostra) {
    ports_->console.showParallelGap(chkDistaccoParallelo_->isChecked());
    if (mostra) ports_->pages.MandaInOnda(kCodiceDistaccoParallelo);
}

// ---- PageButtonHost ----

void ConsolePanel::setNominativoChecked(bool checked) { chkTCNominativo_->setChecked(checked); }
void ConsolePanel::setDistaccoChecked(bool checked) { chkDistaccoParallelo_->setChecked(checked); }

// ---- SponsorLights ----

bool ConsolePanel::sponsorLit(int slot) const { return cmdSponsor_[size_t(slot)]->property("lit").toBool(); }

void ConsolePanel::setSponsorLit(int slot, bool lit) {
    QPushButton* b = cmdSponsor_[size_t(slot)];
    b->setProperty("lit", lit);
    // Lit: pure red; unlit: the button face.
    b->setStyleSheet(lit ? QStringLiteral("background-color: #FF0000;") : QString());
    b->repaint();
}

}  // namespace razudar

// The console panel's widgets: the classification frame with the tabs, the header and the
// preview list and the category list on the left; the category grid, the competitor buttons, the
// bib box, the page buttons in their frames and the sponsor buttons in a column on the right.
#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QTabBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/console/console_state.h"
#include "app/windows/console_panel.h"
#include "app/windows/preview_header.h"

namespace razudar {

namespace {

// A column that scrolls up and down only: never narrower than its contents with room for the
// scroll bar, so that a scroll bar never covers a button.
class VerticalScrollArea : public QScrollArea {
public:
    VerticalScrollArea(QWidget* contents, QWidget* parent) : QScrollArea(parent) {
        setFrameShape(QFrame::NoFrame);
        setWidgetResizable(true);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setWidget(contents);
        setMaximumWidth(contents->maximumWidth() + scrollBarWidth());
    }
    QSize minimumSizeHint() const override {
        return QSize(widget()->minimumSizeHint().width() + scrollBarWidth(), QScrollArea::minimumSizeHint().height());
    }
    QSize sizeHint() const override {
        return QSize(widget()->sizeHint().width() + scrollBarWidth(), QScrollArea::sizeHint().height());
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // The contents changed their size needs (a new font, a longer list): so does the column.
        if (watched == widget() && event->type() == QEvent::LayoutRequest) updateGeometry();
        return QScrollArea::eventFilter(watched, event);
    }

private:
    int scrollBarWidth() const { return style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this); }
};

}  // namespace

void ConsolePanel::buildWidgets(QWidget* listControl) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(buildClassificationFrame(listControl), 3);
    layout->addWidget(buildRightColumn(), 2);
}

QWidget* ConsolePanel::buildClassificationFrame(QWidget* listControl) {
    fraClassifica_ = new QGroupBox(QStringLiteral("Classifiche"), this);
    fraClassifica_->setObjectName(QStringLiteral("fraClassifica"));
    fraClassifica_->setMinimumWidth(580);
    sstClassifiche_ = new QTabBar(fraClassifica_);
    sstClassifiche_->setObjectName(QStringLiteral("sstClassifiche"));
    sstClassifiche_->setExpanding(false);
    sstClassifiche_->setUsesScrollButtons(false);
    sstClassifiche_->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 4px 7px; }"));
    sstClassifiche_->addTab(QStringLiteral("Assoluta"));
    for (int i = 1; i <= 5; ++i) sstClassifiche_->addTab(QStringLiteral("Manche %1").arg(i));
    sstClassifiche_->addTab(QStringLiteral("Categoria"));
    // The header line in the list's face, as wide as the list and scrolled with it.
    auto* header = new PreviewHeader(fraClassifica_);
    header->setObjectName(QStringLiteral("fraIntestazioneClassifica"));
    header->setInsetPx(listControl->contentsRect().left());
    previewHeader_ = header;
    lblClassifica_ = header->label();
    lblClassificazione_ = new QLabel(fraClassifica_);
    lblClassificazione_->setObjectName(QStringLiteral("lblClassificazione"));
    QFont bold = lblClassificazione_->font();
    bold.setBold(true);
    lblClassificazione_->setFont(bold);
    listControl->setParent(fraClassifica_);
    listControl->setObjectName(QStringLiteral("lstClassifica"));
    listControl->setMinimumSize(420, 300);
    lstClassificaCategorie_ = new QListWidget(fraClassifica_);
    lstClassificaCategorie_->setObjectName(QStringLiteral("lstClassificaCategorie"));
    lstClassificaCategorie_->setMaximumHeight(90);
    auto* classifica = new QVBoxLayout(fraClassifica_);
    classifica->addWidget(sstClassifiche_);
    classifica->addWidget(lblClassificazione_);
    classifica->addWidget(header);
    classifica->addWidget(listControl, 1);
    classifica->addWidget(lstClassificaCategorie_);
    return fraClassifica_;
}

QWidget* ConsolePanel::buildRightColumn() {
    tdbCategorie_ = new QTableWidget(0, 2, this);
    tdbCategorie_->setObjectName(QStringLiteral("tdbCategorie"));
    tdbCategorie_->setHorizontalHeaderLabels({QStringLiteral("Cat."), QStringLiteral("Descrizione")});
    tdbCategorie_->horizontalHeader()->setStretchLastSection(true);
    tdbCategorie_->verticalHeader()->setVisible(false);
    tdbCategorie_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tdbCategorie_->setSelectionMode(QAbstractItemView::SingleSelection);
    tdbCategorie_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tdbCategorie_->setColumnWidth(0, 60);
    tdbCategorie_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Rows as tall as the text needs: the grid shows every category without a scroll bar.
    tdbCategorie_->verticalHeader()->setDefaultSectionSize(tdbCategorie_->fontMetrics().height() + 4);

    auto* selezione = new QHBoxLayout;
    auto* lblSelezione = new QLabel(QStringLiteral("Pettorale"), this);
    txtSelezione_ = new QLineEdit(this);
    txtSelezione_->setObjectName(QStringLiteral("txtSelezione"));
    txtSelezione_->setMaxLength(3);
    txtSelezione_->setFixedWidth(60);
    QFont big = txtSelezione_->font();
    big.setPointSize(14);
    big.setBold(true);
    txtSelezione_->setFont(big);
    lblNominativo_ = new QLabel(this);
    lblNominativo_->setObjectName(QStringLiteral("lblNominativo"));
    lblNominativo_->setFont(big);
    selezione->addWidget(lblSelezione);
    selezione->addWidget(txtSelezione_);
    selezione->addWidget(lblNominativo_, 1);

    auto* rightPanel = new QWidget(this);
    rightPanel->setMaximumWidth(480);
    auto* right = new QVBoxLayout(rightPanel);
    right->setContentsMargins(0, 0, 0, 0);
    right->addWidget(tdbCategorie_);
    right->addWidget(buildCompetitorButtons());
    right->addLayout(selezione);
    right->addWidget(buildPageButtons());
    right->addStretch();
    // The right column scrolls when a long category list makes it taller than the window: the
    // window keeps the size the operator gave it instead of growing by itself.
    auto* rightScroll = new VerticalScrollArea(rightPanel, this);
    rightScroll->setObjectName(QStringLiteral("scrPannelloDestro"));
    return rightScroll;
}

QWidget* ConsolePanel::buildCompetitorButtons() {
    auto* frame = new QGroupBox(QStringLiteral("Concorrenti"));
    frame->setObjectName(QStringLiteral("fraConcorrenti"));
    auto* grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(2);
    for (int i = 0; i < kCompetitorButtons; ++i) {
        auto* side = new QPushButton(frame);
        side->setObjectName(QStringLiteral("cmdConcorrenteP%1").arg(i));
        side->setFixedWidth(22);
        side->setStyleSheet(QStringLiteral("QPushButton { background-color: #C0C0FF; }"));
        auto* button = new QPushButton(frame);
        button->setObjectName(QStringLiteral("cmdConcorrente%1").arg(i));
        button->setMinimumSize(56, 34);
        // Hidden buttons keep their place: the three rows of five stay where the operator expects them.
        for (QPushButton* b : {button, side}) {
            QSizePolicy policy = b->sizePolicy();
            policy.setRetainSizeWhenHidden(true);
            b->setSizePolicy(policy);
        }
        cmdConcorrente_[size_t(i)] = button;
        cmdConcorrenteP_[size_t(i)] = side;
        const int row = i / 5;
        const int column = (i % 5) * 2;
        grid->addWidget(side, row, column);
        grid->addWidget(button, row, column + 1);
    }
    return frame;
}

QWidget* ConsolePanel::buildPageButtons() {
    auto* panel = new QWidget;
    auto* mainGrid = new QGridLayout;
    fraTempoCorrere_ = new QGroupBox(QStringLiteral("Tempo a Correre"), panel);
    fraTempoCorrere_->setObjectName(QStringLiteral("fraTempoCorrere"));
    auto* tempoCorrere = new QGridLayout(fraTempoCorrere_);
    fraParallelo_ = new QGroupBox(QStringLiteral("Parallelo"), panel);
    fraParallelo_->setObjectName(QStringLiteral("fraParallelo"));
    auto* parallelo = new QHBoxLayout(fraParallelo_);
    cmdPagina_ = new QButtonGroup(this);
    int mainCount = 0;
    int clockCount = 0;
    for (const PageButtonSpec& spec : kPageButtons) {
        auto* b = new QPushButton(QString::fromUtf16(spec.caption), panel);
        b->setObjectName(QStringLiteral("cmdPagina%1").arg(spec.code));
        b->setMinimumHeight(28);
        cmdPagina_->addButton(b, spec.code);
        switch (spec.frame) {
        case PageButtonFrame::Main:
            mainGrid->addWidget(b, mainCount / 3, mainCount % 3);
            ++mainCount;
            break;
        case PageButtonFrame::TempoCorrere:
            tempoCorrere->addWidget(b, clockCount / 3, clockCount % 3);
            ++clockCount;
            break;
        case PageButtonFrame::Parallelo:
            parallelo->addWidget(b);
            break;
        }
    }
    chkTCNominativo_ = new QCheckBox(QStringLiteral("Nominativo"), fraTempoCorrere_);
    chkTCNominativo_->setObjectName(QStringLiteral("chkTCNominativo"));
    tempoCorrere->addWidget(chkTCNominativo_, (clockCount + 2) / 3, 0, 1, 3);
    chkDistaccoParallelo_ = new QCheckBox(QStringLiteral("Distacco"), fraParallelo_);
    chkDistaccoParallelo_->setObjectName(QStringLiteral("chkDistaccoParallelo"));
    parallelo->addWidget(chkDistaccoParallelo_);

    auto* sponsor = new QHBoxLayout;
    const char16_t* captions[] = {u"&X   Sponsor 1", u"&U  Sponsor 2"};
    for (int i = 0; i < 2; ++i) {
        cmdSponsor_[size_t(i)] = new QPushButton(QString::fromUtf16(captions[i]), panel);
        cmdSponsor_[size_t(i)]->setObjectName(QStringLiteral("cmdSponsor%1").arg(i));
        sponsor->addWidget(cmdSponsor_[size_t(i)]);
    }

    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(mainGrid);
    layout->addWidget(fraTempoCorrere_);
    layout->addWidget(fraParallelo_);
    layout->addLayout(sponsor);
    return panel;
}

}  // namespace razudar

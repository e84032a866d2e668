#pragma once
// The operator's console in the main window: the classification tabs over the preview list, the
// category list and grid, the competitor buttons, the bib box, the page buttons in their frames
// and the sponsor buttons. It shows the console state the console refresh keeps, and hands the
// operator's clicks to the units.
#include <QWidget>

#include <array>
#include <optional>

#include "app/console/console_refresh.h"
#include "app/console/console_selection.h"
#include "app/link/link_dispatcher.h"
#include "app/pages/page_context.h"
#include "app/assembly/program_ports.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabBar;
class QTableWidget;

namespace razudar {

struct ProgramState;
class PreviewHeader;

class ConsolePanel : public QWidget,
                     public ConsoleHost,
                     public PageButtonHost,
                     public ParallelGapBox,
                     public SponsorLights {
    Q_OBJECT
public:
    // `listControl` is the list control the preview is written to; it becomes the panel's child.
    ConsolePanel(const ProgramState& state, QWidget* listControl, QWidget* parent = nullptr);

    // The units the panel works with; its handlers take the operator's clicks from now on.
    void attach(const ConsolePorts& ports);

    // Shows the console state (no operator handler runs while the widgets follow it).
    void applyConsole();
    // The first paint: the classification frame in the normal colours.
    void primoDisegno();

    // Operator handlers.
    void cmdPagina_Click(int index);
    void cmdConcorrente_Click(int index);
    void tdbCategorie_RowColChange(int row);
    void lstClassificaCategorie_Click(int index);
    QLineEdit* txtSelezione() const { return txtSelezione_; }
    QLabel* lblNominativo() const { return lblNominativo_; }
    QCheckBox* chkTCNominativo() const { return chkTCNominativo_; }
    QTabBar* sstClassifiche() const { return sstClassifiche_; }
    // How many times the category list and grid were built (they are built when the categories
    // changed, not at every refresh).
    int categoryGridBuilds() const { return categoryGridBuilds_; }
    QLabel* lblClassifica() const { return lblClassifica_; }
    PreviewHeader* previewHeader() const { return previewHeader_; }

    // ConsoleHost: the tab-change handler runs when the queued events have run.
    void tabChanged(int previousTab) override;
    void consoleChanged() override { applyConsole(); }
    // PageButtonHost
    void setNominativoChecked(bool checked) override;
    void setDistaccoChecked(bool checked) override;
    // ParallelGapBox
    void AggiornaDistaccoParallelo(bool mostra) override;
    // SponsorLights
    bool sponsorLit(int slot) const override;
    void setSponsorLit(int slot, bool lit) override;

signals:
    // A message for the status bar for `timeoutMs` (0: until the next); empty clears it.
    void statusMessage(const QString& text, int timeoutMs);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildWidgets(QWidget* listControl);
    QWidget* buildClassificationFrame(QWidget* listControl);
    QWidget* buildRightColumn();
    QWidget* buildCompetitorButtons();
    QWidget* buildPageButtons();
    void connectHandlers();

    void txtSelezione_Change();
    // The tab-change handler: the preview list of the classification on show.
    void sstClassifiche_Click();
    void chkTCNominativo_Click();
    void cmdSponsor_Click(int slot);
    void buildCategoryGrid(const ConsoleState& v);
    // The chosen category's row highlighted (again after a rebuild), and the category notice
    // shown once.
    void showCategoryGrid(const ConsoleState& v, bool rebuilt);
    void visualizzaPreview(qint32 classifica, const QString& categoria);

    const ProgramState& state_;  // read only: the operator's steps change it through the console unit
    std::optional<ConsolePorts> ports_;  // set once by attach(), before any handler can run
    bool applying_ = false;
    bool previewPending_ = false;
    int categoriesShown_ = -1;  // the console's categoriesVersion the list and grid show
    int categoryGridBuilds_ = 0;

    QGroupBox* fraClassifica_ = nullptr;
    QTabBar* sstClassifiche_ = nullptr;
    QLabel* lblClassifica_ = nullptr;
    PreviewHeader* previewHeader_ = nullptr;
    QLabel* lblClassificazione_ = nullptr;
    QListWidget* lstClassificaCategorie_ = nullptr;
    QTableWidget* tdbCategorie_ = nullptr;
    std::array<QPushButton*, 15> cmdConcorrente_{};
    std::array<QPushButton*, 15> cmdConcorrenteP_{};
    QLineEdit* txtSelezione_ = nullptr;
    QLabel* lblNominativo_ = nullptr;
    QButtonGroup* cmdPagina_ = nullptr;
    QGroupBox* fraTempoCorrere_ = nullptr;
    QGroupBox* fraParallelo_ = nullptr;
    QCheckBox* chkTCNominativo_ = nullptr;
    QCheckBox* chkDistaccoParallelo_ = nullptr;
    std::array<QPushButton*, 2> cmdSponsor_{};
};

}  // namespace razudar

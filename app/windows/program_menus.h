#pragma once
// The main window's menu bar: "File", "Strumenti" with its options, and "?". The option items
// and "Rielabora Tempo Reale" follow the menu commands and the link; "Selezione Manche" opens the
// session window, created on first use. Each command is one operator action.
#include <QObject>

#include <array>

#include "app/link/link_dispatcher.h"
#include "app/menus/menu_commands.h"

class QAction;
class QMenuBar;
class QWidget;

namespace razudar {

namespace tables {
class FrmSelezioneSessione;
}
struct FirstPaintSettings;
struct ProgramState;
class ProgramUnits;

class ProgramMenus : public QObject, public MenuHost, public DispatcherHost {
    Q_OBJECT
public:
    // Builds the menus into `bar`; dialogs open over `owner`.
    ProgramMenus(ProgramState& state, ProgramUnits& units, QMenuBar* bar, QWidget* owner);

    // Connects the items to the menu commands (once the units are assembled).
    void wire();
    // The first paint: the stored options checked, "Rielabora" off until the link is up.
    void primoDisegno(const FirstPaintSettings& settings);

    QAction* mnuEsci() const { return mnuEsci_; }
    QAction* mnuGraficaVGA() const { return mnuGraficaVGA_; }
    // The session window (created on first use).
    tables::FrmSelezioneSessione& selezioneSessione();

    // MenuHost
    void setOptionChecked(GruppoOpzioni gruppo, int index, bool checked) override;
    bool scegliSessione() override;
    // DispatcherHost
    void setRielaboraEnabled(bool enabled) override;

private:
    void build(QMenuBar* bar);
    void showAbout();

    ProgramState& state_;
    ProgramUnits& units_;
    QWidget* owner_;
    tables::FrmSelezioneSessione* sessionWindow_ = nullptr;  // a child of the owner, created on first use

    QAction* mnuEsci_ = nullptr;
    QAction* mnuRielabora_ = nullptr;
    QAction* mnuSelezioneManche_ = nullptr;
    std::array<QAction*, 4> mnuOpzioneNazionalita_{};
    std::array<QAction*, 3> mnuOpzioneNominativi_{};
    std::array<QAction*, 2> mnuOpzioneRisultato_{};
    QAction* mnuClassificaTempoCorrere_ = nullptr;
    QAction* mnuGraficaVGA_ = nullptr;
    QAction* mnuMostraTV_ = nullptr;
    QAction* mnuAbout_ = nullptr;
};

}  // namespace razudar

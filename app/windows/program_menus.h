#pragma once
// The main window's menu bar: "File", "Strumenti" with its options, and "?". The option items
// and "Rielabora Tempo Reale" follow the menu commands and the link; "Selezione Manche" opens the
// session window, created on first use. Each command is one operator action.
#include <QObject>

#include <array>
#include <optional>

#include "app/link/link_dispatcher.h"
#include "app/menus/menu_commands.h"
#include "app/assembly/program_ports.h"
#include "platform/services/services.h"

class QAction;
class QMenuBar;
class QWidget;

namespace razudar {

namespace tables {
class FrmSelezioneSessione;
}
struct FirstPaintSettings;
struct ProgramState;

class ProgramMenus : public QObject, public MenuHost, public DispatcherHost {
    Q_OBJECT
public:
    // Builds the menus into `bar`; dialogs open over `owner`.
    ProgramMenus(ProgramState& state, const Services& services, QMenuBar* bar, QWidget* owner);

    // Connects the items to the menu commands: they take the operator's commands from now on.
    void attach(const MenuPorts& ports);
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
    Services services_;
    std::optional<MenuPorts> ports_;  // set once by attach(), before any command can run
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

#pragma once
#include <QColor>
#include <QSize>
#include <QString>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

namespace razudar::link {

// What the state label shows: "Non Attiva" on red, "Attesa" on yellow (a server listens),
// "Attiva" on green (connected).
enum class PanelState { NonAttiva, Attesa, Attiva };

// The link control's own panel: a titled frame with the state, the peer or server box and the
// role's button or box; below it the send box and button, the last received text and the log.
// Each element carries its member name (cmdConnetti, lblRicevuto, ...) as object name.
struct LinkPanel {
    explicit LinkPanel(QWidget* owner);

    // Lays the panel out over a control of `size`: at the design size or wider, never narrower.
    void fitTo(const QSize& size);
    void showState(PanelState state);
    void showRole(bool client);
    static QColor colourOf(PanelState state);
    static QString captionOf(PanelState state);

    QGroupBox* fraTitolo;
    QLabel* lblStato;
    QLabel* lblServerRemoto;
    QLineEdit* txtServerRemoto;
    QCheckBox* chkAccettaConnessioni;
    QPushButton* cmdConnettiDisconnetti;
    QLineEdit* txtTesto;
    QPushButton* cmdInviaTesto;
    QLabel* Label2;
    QLabel* lblRicevuto;
    QListWidget* lstLog;
};

}  // namespace razudar::link

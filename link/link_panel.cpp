#include "link/link_panel.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPalette>
#include <QPushButton>

namespace razudar::link {

namespace {

// The layout is given in twips; 15 twips make one pixel at 96 dots per inch.
QRect fromTwips(int left, int top, int width, int height) {
    constexpr int kTwipsPerPixel = 15;
    return QRect(left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
                 height / kTwipsPerPixel);
}

template <typename W>
W* place(QWidget* parent, const char* name, const QRect& geometry) {
    auto* widget = new W(parent);
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(geometry);
    return widget;
}

}  // namespace

LinkPanel::LinkPanel(QWidget* owner) {
    fraTitolo = place<QGroupBox>(owner, "fraTitolo", fromTwips(0, 0, 1815, 1335));
    fraTitolo->setTitle(QStringLiteral("Connessione"));
    lblStato = place<QLabel>(fraTitolo, "lblStato", fromTwips(120, 240, 1590, 255));
    lblStato->setAutoFillBackground(true);
    lblServerRemoto = place<QLabel>(fraTitolo, "lblServerRemoto", fromTwips(120, 540, 1575, 315));
    txtServerRemoto = place<QLineEdit>(fraTitolo, "txtServerRemoto", fromTwips(120, 540, 1575, 315));
    chkAccettaConnessioni =
        place<QCheckBox>(fraTitolo, "chkAccettaConnessioni", fromTwips(120, 900, 1575, 375));
    chkAccettaConnessioni->setText(QStringLiteral("Accetta Connessioni"));
    cmdConnettiDisconnetti =
        place<QPushButton>(fraTitolo, "cmdConnettiDisconnetti", fromTwips(120, 900, 1575, 315));
    cmdConnettiDisconnetti->setText(QStringLiteral("Connetti"));
    txtTesto = place<QLineEdit>(owner, "txtTesto", fromTwips(0, 1440, 1815, 315));
    cmdInviaTesto = place<QPushButton>(owner, "cmdInviaTesto", fromTwips(0, 1800, 1815, 315));
    cmdInviaTesto->setText(QStringLiteral("Invia"));
    // As wide as the column, so the caption fits whatever the font's width.
    Label2 = place<QLabel>(owner, "Label2", fromTwips(0, 2220, 1815, 195));
    Label2->setText(QStringLiteral("Ricevuto"));
    lblRicevuto = place<QLabel>(owner, "lblRicevuto", fromTwips(0, 2460, 1815, 315));
    lstLog = place<QListWidget>(owner, "lstLog", fromTwips(0, 2820, 1815, 2595));
    // Received texts such as "<abc>" must show as they are, never as markup.
    for (QLabel* label : {lblStato, lblServerRemoto, Label2, lblRicevuto})
        label->setTextFormat(Qt::PlainText);
    showState(PanelState::NonAttiva);
}

QColor LinkPanel::colourOf(PanelState state) {
    switch (state) {
    case PanelState::Attesa: return QColor(255, 255, 0);
    case PanelState::Attiva: return QColor(0, 255, 0);
    case PanelState::NonAttiva: break;
    }
    return QColor(255, 0, 0);
}

QString LinkPanel::captionOf(PanelState state) {
    switch (state) {
    case PanelState::Attesa: return QStringLiteral("Attesa");
    case PanelState::Attiva: return QStringLiteral("Attiva");
    case PanelState::NonAttiva: break;
    }
    return QStringLiteral("Non Attiva");
}

void LinkPanel::showState(PanelState state) {
    QPalette palette = lblStato->palette();
    palette.setColor(QPalette::Window, colourOf(state));
    lblStato->setPalette(palette);
    lblStato->setText(captionOf(state));
}

void LinkPanel::showRole(bool client) {
    chkAccettaConnessioni->setVisible(!client);
    lblServerRemoto->setVisible(!client);
    txtServerRemoto->setVisible(client);
    cmdConnettiDisconnetti->setVisible(client);
}

}  // namespace razudar::link

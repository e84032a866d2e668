#include "link/link_panel.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPalette>
#include <QPushButton>

#include "link/wrapped_text.h"

namespace razudar::link {

namespace {

// The layout is given in twips; 15 twips make one pixel at 96 dots per inch.
QRect fromTwips(int left, int top, int width, int height) {
    constexpr int kTwipsPerPixel = 15;
    return QRect(left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
                 height / kTwipsPerPixel);
}

// The panel's design size, and the rows whose height follows the text and the control.
constexpr int kDesignWidthTwips = 1860;
const QRect kDesignFrame = fromTwips(0, 0, 1815, 1335);
const QRect kDesignStato = fromTwips(120, 240, 1590, 255);
const QRect kDesignServer = fromTwips(120, 540, 1575, 315);
const QRect kDesignAccetta = fromTwips(120, 900, 1575, 375);
const QRect kDesignConnetti = fromTwips(120, 900, 1575, 315);
const QRect kDesignTesto = fromTwips(0, 1440, 1815, 315);
const QRect kDesignInvia = fromTwips(0, 1800, 1815, 315);
const QRect kDesignLabel2 = fromTwips(0, 2220, 1815, 195);
const QRect kDesignRicevuto = fromTwips(0, 2460, 1815, 315);
const QRect kDesignLog = fromTwips(0, 2820, 1815, 2595);
constexpr int kReceivedLines = 5;  // a live message of about a hundred characters in view

template <typename W>
W* place(QWidget* parent, const char* name, const QRect& geometry) {
    auto* widget = new W(parent);
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(geometry);
    return widget;
}

}  // namespace

LinkPanel::LinkPanel(QWidget* owner) {
    fraTitolo = place<QGroupBox>(owner, "fraTitolo", kDesignFrame);
    fraTitolo->setTitle(QStringLiteral("Connessione"));
    lblStato = place<QLabel>(fraTitolo, "lblStato", kDesignStato);
    lblStato->setAutoFillBackground(true);
    lblServerRemoto = place<QLabel>(fraTitolo, "lblServerRemoto", kDesignServer);
    txtServerRemoto = place<QLineEdit>(fraTitolo, "txtServerRemoto", kDesignServer);
    chkAccettaConnessioni =
        place<QCheckBox>(fraTitolo, "chkAccettaConnessioni", kDesignAccetta);
    chkAccettaConnessioni->setText(QStringLiteral("Accetta Connessioni"));
    cmdConnettiDisconnetti =
        place<QPushButton>(fraTitolo, "cmdConnettiDisconnetti", kDesignConnetti);
    cmdConnettiDisconnetti->setText(QStringLiteral("Connetti"));
    txtTesto = place<QLineEdit>(owner, "txtTesto", kDesignTesto);
    cmdInviaTesto = place<QPushButton>(owner, "cmdInviaTesto", kDesignInvia);
    cmdInviaTesto->setText(QStringLiteral("Invia"));
    // As wide as the column, so the caption fits whatever the font's width.
    Label2 = place<QLabel>(owner, "Label2", kDesignLabel2);
    Label2->setText(QStringLiteral("Ricevuto"));
    // The received text and the log lines break anywhere: they are long runs of characters.
    lblRicevuto = place<WrappedLabel>(owner, "lblRicevuto", kDesignRicevuto);
    lstLog = place<QListWidget>(owner, "lstLog", kDesignLog);
    lstLog->setItemDelegate(new WrappedItemDelegate(lstLog));
    lstLog->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lstLog->setResizeMode(QListView::Adjust);
    // Received texts such as "<abc>" must show as they are, never as markup.
    for (QLabel* label : {lblStato, lblServerRemoto, Label2, lblRicevuto})
        label->setTextFormat(Qt::PlainText);
    showState(PanelState::NonAttiva);
}

void LinkPanel::fitTo(const QSize& size) {
    // Every element keeps its design place and grows by what the control has beyond its design
    // width; the received text takes five lines and the log the height that is left.
    const int extra = qMax(0, size.width() - kDesignWidthTwips / 15);
    const auto wider = [extra](const QRect& design) { return design.adjusted(0, 0, extra, 0); };
    fraTitolo->setGeometry(wider(kDesignFrame));
    lblStato->setGeometry(wider(kDesignStato));
    lblServerRemoto->setGeometry(wider(kDesignServer));
    txtServerRemoto->setGeometry(wider(kDesignServer));
    chkAccettaConnessioni->setGeometry(wider(kDesignAccetta));
    cmdConnettiDisconnetti->setGeometry(wider(kDesignConnetti));
    txtTesto->setGeometry(wider(kDesignTesto));
    cmdInviaTesto->setGeometry(wider(kDesignInvia));
    Label2->setGeometry(wider(kDesignLabel2));
    QRect received = wider(kDesignRicevuto);
    received.setHeight(qMax(received.height(), kReceivedLines * lblRicevuto->fontMetrics().lineSpacing() + 2));
    lblRicevuto->setGeometry(received);
    const int gapPx = kDesignLog.top() - kDesignRicevuto.bottom() - 1;
    QRect log = wider(kDesignLog);
    log.moveTop(received.bottom() + 1 + gapPx);
    log.setBottom(qMax(log.top() + kDesignLog.height() / 2, size.height() - 1));
    lstLog->setGeometry(log);
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

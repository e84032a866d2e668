#pragma once
// The program's typed view of the TCP link control MirtTCP (placed on the main window as
// MirtTcpGet): the members the program uses, looked up once by name, and the control's four
// events as this object's signals.
#include <QObject>
#include <QString>

#include "app/controls/late_bound.h"
#include "app/controls/link_control.h"


namespace razudar::controls {

class TcpProxy : public QObject, public LinkControl {
    Q_OBJECT
public:
    TcpProxy(QObject* control, ProblemSink problems, QObject* parent = nullptr);

    // The control itself (a widget of its plug-in).
    QObject* control() const { return control_; }
    QStringList missingMembers() const { return object_.missingMembers(); }

    // The design-time settings of MirtTcpGet: title "Connessione ACQ", process "Razudar",
    // client role, no local port.
    void applyDesignSettings();

    QString ServerRemoto() override;
    void setServerRemoto(const QString& value);
    int PortaRemota();
    void setPortaRemota(int value);
    bool Connesso() override;
    bool InviaTesto(const QString& sTesto, bool Sincrono) override;
    void Disconnetti() override;
    // The control's own connect button, as the operator presses it.
    void cmdConnettiDisconnetti_Click();
    // The control tells when the texts that arrived together are all delivered (TextsDelivered).
    bool tellsTextsDelivered() const { return tellsTextsDelivered_; }

signals:
    void ConnessoEvent();
    void ConnessioneChiusa();
    void DatiArrivati(const QString& Testo);
    void Errore(int Number, const QString& Description);
    void TextsDelivered();

private slots:
    void relayConnesso() { emit ConnessoEvent(); }
    void relayConnessioneChiusa() { emit ConnessioneChiusa(); }
    void relayDatiArrivati(const QString& Testo) { emit DatiArrivati(Testo); }
    void relayTextsDelivered() { emit TextsDelivered(); }
    void relayErrore(int Number, QString& Description, int Scode, const QString& Source, const QString& HelpFile,
                     int HelpContext, bool& CancelDisplay);

private:
    QObject* control_;
    LateBoundObject object_;
    bool tellsTextsDelivered_ = false;
};

}  // namespace razudar::controls

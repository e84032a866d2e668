#pragma once
// The program's typed view of the broadcast graphics control MirtGRA: every member the program
// uses, looked up once by name when the proxy is built and called late-bound. The control's
// events the program handles come out as this object's signals. The codes its members take are
// in grafica_codes.h.
#include <QObject>
#include <QStringList>
#include <QVariant>

#include "app/controls/late_bound.h"


namespace razudar::controls {

class GraficaProxy : public QObject {
    Q_OBJECT
public:
    GraficaProxy(QObject* control, ProblemSink problems, QObject* parent = nullptr);

    // The control itself (a widget of its plug-in).
    QObject* control() const { return control_; }
    // Members the control does not offer (they are reported, and their calls refused softly).
    QStringList missingMembers() const { return object_.missingMembers(); }

    bool Inizializza();
    void Chiude();
    bool CaricaFileDefinizioni(const QString& strPercorso);
    bool CaricaPagina(const QString& NomePagina, int Piano);
    bool StartPagina(const QString& NomePagina);
    void CancellaArea(int Piano);
    bool EsisteOggetto(const QString& NomePagina, const QString& NomeOggetto);
    bool TogliePagina(const QString& NomePagina);
    bool VGA();
    void setVGA(bool value);
    bool TV(bool Attivare);
    void SalvaSchermo(const QString& Path);
    // The writes of an object's property, its clock, its clip and a list's rows are true when the
    // control took them. The control answers a refused write (an object the page lacks, an object
    // of another type, a value it cannot use) only with its message event, so a write during
    // which it sent a message counts as refused.
    bool setProprietaTesto(const QString& NomePagina, const QString& NomeOggetto, int Proprieta, const QVariant& Valore);
    bool setProprietaImmagine(const QString& NomePagina, const QString& NomeOggetto, int Proprieta, const QVariant& Valore);
    bool setProprietaAnimazione(const QString& NomePagina, const QString& NomeOggetto, int Proprieta, const QVariant& Valore);
    bool Animazione(const QString& NomePagina, const QString& NomeOggetto, int Metodo, const QVariant& Valore);
    bool TempoACorrere(const QString& NomePagina, const QString& NomeOggetto, int Proprieta, const QVariant& Valore);
    bool SpostaRiga(int Effetto, const QString& NomePagina, int Direzione, int Velocita, int RigaInizio, int RigaFine,
                    bool Visibile, const QString& Prefisso, const QStringList& Campi, bool ProgressivoInCoda);
    void setdveGrafica(int x, int y, int w, int h);
    void setFaderWipeGrafica(int v);
    void EffettoX(int Velocita, bool Relativo = false);
    void EffettoY(int Velocita, bool Relativo = false);
    void EffettoD(int Velocita, bool Relativo = false);

signals:
    void Conferma(bool Conferma);
    void NotificaEvento(const QString& NomeOggetto, int Evento);
    // The control's messages: why a page did not load (its file, what was wrong).
    void RicevutoMessaggio(const QString& Messaggio);

private slots:
    void relayConferma(bool value) { emit Conferma(value); }
    void relayNotificaEvento(const QString& NomeOggetto, int Evento) { emit NotificaEvento(NomeOggetto, Evento); }
    void relayRicevutoMessaggio(const QString& Messaggio) {
        ++messages_;
        emit RicevutoMessaggio(Messaggio);
    }

private:
    // Calls `name` and tells whether the control took it: the call was made, no message came
    // during it and, for a member that `answers`, its answer was true.
    bool write(const char* name, const QVariantList& arguments, bool answers);

    QObject* control_;
    quint64 messages_ = 0;  // the control's messages so far
    LateBoundObject object_;
};

}  // namespace razudar::controls

#pragma once
#include <QString>
#include <QVariant>

#include <memory>

#include "graphics/mirt_gra_enums.h"

namespace razudar::gra {
class ControlCore;
}

namespace razudar {

// The control's start and stop, page table, planes and object lookups, and its three events.
// Late-bound callers reach every member by name.
class MirtGRAPages : public MirtGRAEnums {
    Q_OBJECT
    Q_PROPERTY(bool Inizializzata READ Inizializzata)
    Q_PROPERTY(int ContatorePagine READ ContatorePagine)
    Q_PROPERTY(bool booVGA READ booVGA WRITE setbooVGA)
    Q_PROPERTY(bool booSchedaVideoAssente READ booSchedaVideoAssente WRITE setbooSchedaVideoAssente)
    Q_PROPERTY(int tcPosizioni READ tcPosizioni WRITE settcPosizioni)
    // The video board object (read only: the control owns it).
    Q_PROPERTY(void* Fb READ Fb)

public:
    explicit MirtGRAPages(QWidget* parent = nullptr);
    ~MirtGRAPages() override;

    Q_INVOKABLE bool Inizializza();
    Q_INVOKABLE void Chiude();
    Q_INVOKABLE void CancellaArea(int Piano);
    Q_INVOKABLE bool CaricaFileDefinizioni(const QString& strPercorso);
    Q_INVOKABLE bool CaricaPagina(const QString& NomePagina, int Piano);
    Q_INVOKABLE bool SalvaPagina(const QString& NomePagina, const QString& PostFisso, int Piano);
    Q_INVOKABLE bool VisualizzaPagina(const QString& NomePagina);
    Q_INVOKABLE bool RinfrescaPagina(const QString& NomePagina);
    Q_INVOKABLE bool StartPagina(const QString& NomePagina);
    Q_INVOKABLE bool StopPagina(const QString& NomePagina);
    Q_INVOKABLE bool TogliePagina(const QString& NomePagina);
    Q_INVOKABLE int PianoPagina(const QString& NomePagina);
    Q_INVOKABLE int CercaPagina(const QString& NomeFunzione, const QString& NomePagina);
    Q_INVOKABLE int CercaOggetto(const QString& NomeFunzione, const QString& NomePagina, const QString& NomeOggetto);
    Q_INVOKABLE bool SchedaVideoAssente(const QString& NomeFunzione);

    Q_INVOKABLE bool Inizializzata() const;
    Q_INVOKABLE int ContatorePagine() const;
    Q_INVOKABLE QString NomePagina(int i);
    Q_INVOKABLE int IndicePaginaPiano(int Piano);
    Q_INVOKABLE int StatoPiano(int Piano);
    Q_INVOKABLE bool StartPiano(int Piano);
    Q_INVOKABLE QString DescrizioneStatoPiano(int Piano);
    Q_INVOKABLE QString DescrizioneTipoOggetto(int TipoOggetto);
    Q_INVOKABLE int ContatoreOggetti(const QString& NomePagina);
    Q_INVOKABLE bool EsisteOggetto(const QString& NomePagina, const QString& NomeOggetto);
    Q_INVOKABLE QVariant InfoOggetto(const QString& NomePagina, int IndiceOggetto, int TipoInfo);

    bool booVGA() const;
    void setbooVGA(bool value);
    bool booSchedaVideoAssente() const;
    void setbooSchedaVideoAssente(bool value);
    int tcPosizioni() const;
    void settcPosizioni(int value);
    void* Fb() const;

signals:
    // Every diagnostic text of the control.
    void RicevutoMessaggio(const QString& Stringa);
    // The operator confirmed (True) or cancelled (False) with the control's buttons.
    void Conferma(bool Conferma);
    // A notification of plane 0's renderer.
    void NotificaEvento(const QString& NomeOggetto, int Evento);

protected:
    gra::ControlCore& core() { return *core_; }
    const gra::ControlCore& core() const { return *core_; }

private:
    std::unique_ptr<gra::ControlCore> core_;
};

}  // namespace razudar

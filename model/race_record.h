#pragma once
// The race record: settings of the race and of the session a race state describes, with the
// table of 12 timekeeping points. A plain record: every value starts at 0, false or "".
#include <QString>
#include <QtGlobal>

#include <array>

namespace razudar {

class clsGara {
public:
    // Slots of the timekeeping-point table, 0 to 11; the lookups scan slots 1 to 10 only.
    static constexpr int kTimingPointCount = 12;
    // Length of a point's serial line settings text.
    static constexpr int kSettingsLength = 11;

    qint16 Anno() const { return anno_; }
    void setAnno(qint16 value) { anno_ = value; }
    qint16 CodiceEquipe() const { return codiceEquipe_; }
    void setCodiceEquipe(qint16 value) { codiceEquipe_ = value; }
    QString DescrizioneGara() const { return descrizioneGara_; }
    void setDescrizioneGara(const QString& value);  // stored without leading/trailing spaces
    QString DescrizioneSessione() const { return descrizioneSessione_; }
    void setDescrizioneSessione(const QString& value);  // stored without leading/trailing spaces
    qint32 TipoFederazione() const { return tipoFederazione_; }
    void setTipoFederazione(qint32 value) { tipoFederazione_ = value; }
    QString DisciplinaCodice() const { return disciplinaCodice_; }
    void setDisciplinaCodice(const QString& value) { disciplinaCodice_ = value; }
    qint32 Disciplina() const { return disciplina_; }
    void setDisciplina(qint32 value) { disciplina_ = value; }
    qint32 Specialita() const { return specialita_; }
    void setSpecialita(qint32 value) { specialita_ = value; }
    qint16 Allenamenti() const { return allenamenti_; }
    void setAllenamenti(qint16 value) { allenamenti_ = value; }
    qint16 Manches() const { return manches_; }
    void setManches(qint16 value) { manches_ = value; }
    qint16 Intermedi() const { return intermedi_; }
    void setIntermedi(qint16 value) { intermedi_ = value; }
    qint16 IntermediSuggeriti() const { return intermediSuggeriti_; }
    void setIntermediSuggeriti(qint16 value) { intermediSuggeriti_ = value; }
    qint16 Frazionisti() const { return frazionisti_; }
    void setFrazionisti(qint16 value) { frazionisti_ = value; }
    bool KO() const { return ko_; }
    void setKO(bool value) { ko_ = value; }
    bool Tabellone() const { return tabellone_; }
    void setTabellone(bool value) { tabellone_ = value; }
    bool Parallelo() const { return parallelo_; }
    void setParallelo(bool value) { parallelo_ = value; }
    qint16 TabelloneNumeroDiscese() const { return tabelloneNumeroDiscese_; }
    void setTabelloneNumeroDiscese(qint16 value) { tabelloneNumeroDiscese_ = value; }
    bool QualificazioneParallela() const { return qualificazioneParallela_; }
    void setQualificazioneParallela(bool value) { qualificazioneParallela_ = value; }
    qint16 PagineMonitor() const { return pagineMonitor_; }
    void setPagineMonitor(qint16 value) { pagineMonitor_ = value; }
    bool Internet() const { return internet_; }
    void setInternet(bool value) { internet_ = value; }
    bool Intranet() const { return intranet_; }
    void setIntranet(bool value) { intranet_ = value; }
    QString Lingua() const { return lingua_; }
    void setLingua(const QString& value) { lingua_ = value; }
    qint32 Risoluzione() const { return risoluzione_; }
    void setRisoluzione(qint32 value) { risoluzione_ = value; }

    // Timekeeping points, slot IndicePunto 0..11. A slot outside that range reads as an empty
    // point (0 or "") and writing it changes nothing.
    qint32 PuntoRilevamentoTipo(qint16 IndicePunto) const;
    void setPuntoRilevamentoTipo(qint16 IndicePunto, qint32 value);
    QString PuntoRilevamentoDescrizione(qint16 IndicePunto) const;
    void setPuntoRilevamentoDescrizione(qint16 IndicePunto, const QString& value);
    qint16 PuntoRilevamentoCom(qint16 IndicePunto) const;
    void setPuntoRilevamentoCom(qint16 IndicePunto, qint16 value);
    // Always 11 characters: padded with spaces on the right or cut after 11.
    QString PuntoRilevamentoSettings(qint16 IndicePunto) const;
    void setPuntoRilevamentoSettings(qint16 IndicePunto, const QString& value);
    qint32 PuntoRilevamentoOrologio(qint16 IndicePunto) const;
    void setPuntoRilevamentoOrologio(qint16 IndicePunto, qint32 value);

    // First slot in 1..10 whose type is 8, 10 or 1 (a start point); 0 when none.
    qint16 IndicePuntoRilevamentoPartenza() const;
    // First slot in 1..10 of the given type; 0 when none.
    qint16 IndicePuntoRilevamento(qint32 TipoPunto) const;
    // Type of the first slot in 1..10 wired to serial port Com; 0 when none.
    qint32 PuntoRilevamentoDaCom(qint16 Com) const;

private:
    struct TimingPoint {
        qint32 Tipo = 0;
        QString Descrizione;
        qint16 Com = 0;
        QString Settings = QString(kSettingsLength, QLatin1Char(' '));
        qint32 Orologio = 0;
    };
    const TimingPoint* point(qint16 index) const;
    TimingPoint* point(qint16 index);

    qint16 anno_ = 0;
    qint16 codiceEquipe_ = 0;
    QString descrizioneGara_;
    QString descrizioneSessione_;
    qint32 tipoFederazione_ = 0;
    QString disciplinaCodice_;
    qint32 disciplina_ = 0;
    qint32 specialita_ = 0;
    qint16 allenamenti_ = 0;
    qint16 manches_ = 0;
    qint16 intermedi_ = 0;
    qint16 intermediSuggeriti_ = 0;
    qint16 frazionisti_ = 0;
    bool ko_ = false;
    bool tabellone_ = false;
    bool parallelo_ = false;
    qint16 tabelloneNumeroDiscese_ = 0;
    bool qualificazioneParallela_ = false;
    qint16 pagineMonitor_ = 0;
    bool internet_ = false;
    bool intranet_ = false;
    QString lingua_;
    qint32 risoluzione_ = 0;
    std::array<TimingPoint, kTimingPointCount> points_{};
};

}  // namespace razudar

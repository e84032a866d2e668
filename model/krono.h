#pragma once
// The race state object: one race session in memory. Session properties, the race record
// `cGara`, competitors keyed by competitor number, categories in order, start lists, heat pairs,
// 51 classification slots with their classification types and the state abbreviations of the
// race language. The classification engine, positions, gaps and heat queries are members too.
//
// Lookups never fail: an unregistered competitor number or category code gives a new empty
// object that is not added; a bib, competitor, position or winner not found gives -1.
// Used on the user-interface thread only.
#include "model/category.h"
#include "model/competitor.h"
#include "model/competitor_registry.h"
#include "model/expected_starters.h"
#include "model/keyed_list.h"
#include "model/race_record.h"
#include "model/ranked_slot.h"
#include "model/ranking_key.h"
#include "model/run_rules.h"
#include "model/simple_event.h"

#include <QList>
#include <QString>
#include <QtGlobal>

#include <array>
#include <memory>
#include <optional>
#include <span>

namespace razudar {

class CaptionLabel;
class Clock;
class MonitorHost;
class MonitorPageSettings;
class MonitorSettingsReloader;
class TextListSurface;

class clsKrono {
public:
    // Classification slots 0..50: 0 overall, 1-5 runs, 6-10 intermediate points, 11 start order.
    static constexpr int kSlotCount = 51;
    static constexpr int kOverallSlot = 0;
    static constexpr int kStartOrderSlot = 11;
    static constexpr int kFirstSplitSlot = 6;
    // Runs and intermediate points the slot layout has room for.
    static constexpr int kMaxRankedRuns = 5;
    static constexpr int kMaxRankedSplits = 5;

    // Builds an empty race state. The monitor settings are replaced and reloaded through
    // `monitorSettings` (which also lays the monitor out) and the monitor's next position starts
    // after the fixed block. Without a reloader nothing is reloaded and the layout of a load
    // without flags is assumed (10 fixed positions).
    clsKrono();
    explicit clsKrono(MonitorSettingsReloader& monitorSettings);
    clsKrono(const clsKrono&) = delete;
    clsKrono& operator=(const clsKrono&) = delete;

    // The race record; callers may replace it whole (cGara = clsGara{...}).
    clsGara cGara;

    // Raised once at the end of every ElaboraClassifiche.
    SimpleEvent ElaborazioneClassificaCompletata;

    // ---- session properties and state abbreviations ----
    QString TurnoCorrente() const { return turnoCorrente_; }
    void setTurnoCorrente(const QString& value) { turnoCorrente_ = value; }
    qint32 TurnoCorrenteTipo() const { return turnoCorrenteTipo_; }
    void setTurnoCorrenteTipo(qint32 value) { turnoCorrenteTipo_ = value; }
    QString TurnoCorrenteDescrizione() const { return turnoCorrenteDescrizione_; }
    void setTurnoCorrenteDescrizione(const QString& value) { turnoCorrenteDescrizione_ = value; }
    qint16 MancheCorrente() const { return mancheCorrente_; }
    void setMancheCorrente(qint16 value) { mancheCorrente_ = value; }
    qint16 SfidaCorrente() const { return sfidaCorrente_; }
    void setSfidaCorrente(qint16 value) { sfidaCorrente_ = value; }
    qint16 RoundCorrente() const { return roundCorrente_; }
    void setRoundCorrente(qint16 value) { roundCorrente_ = value; }
    qint32 StatoSessione() const { return statoSessione_; }
    void setStatoSessione(qint32 value) { statoSessione_ = value; }
    qint16 ConcorrenteTraguardo() const { return concorrenteTraguardo_; }
    void setConcorrenteTraguardo(qint16 value) { concorrenteTraguardo_ = value; }
    qint16 ConcorrenteRicevuto() const { return concorrenteRicevuto_; }
    void setConcorrenteRicevuto(qint16 value) { concorrenteRicevuto_ = value; }
    qint16 PosizioneVisualizzata() const { return posizioneVisualizzata_; }
    void setPosizioneVisualizzata(qint16 value) { posizioneVisualizzata_ = value; }
    QString CategoriaPreview() const { return categoriaPreview_; }
    void setCategoriaPreview(const QString& value) { categoriaPreview_ = value; }
    QString CategoriaMonitor() const { return categoriaMonitor_; }
    void setCategoriaMonitor(const QString& value) { categoriaMonitor_ = value; }
    // Classification type of slot 0..50 (0 overall, 1 run, 2 split, 3 start order). A slot
    // outside 0..50 reads -1; the setter refuses it, and a value outside the 16-bit range, and
    // then returns false with nothing changed.
    qint32 TipoClassifica(qint32 Classifica) const;
    bool setTipoClassifica(qint32 Classifica, qint32 value);
    QString SiglaStatoNonPartito() const { return siglaStatoNonPartito_; }
    void setSiglaStatoNonPartito(const QString& value) { siglaStatoNonPartito_ = value; }
    QString SiglaStatoNonArrivato() const { return siglaStatoNonArrivato_; }
    void setSiglaStatoNonArrivato(const QString& value) { siglaStatoNonArrivato_ = value; }
    QString SiglaStatoPartito() const { return siglaStatoPartito_; }
    void setSiglaStatoPartito(const QString& value) { siglaStatoPartito_ = value; }
    QString SiglaStatoEscluso() const { return siglaStatoEscluso_; }
    void setSiglaStatoEscluso(const QString& value) { siglaStatoEscluso_ = value; }
    QString SiglaStatoFTM() const { return siglaStatoFTM_; }
    void setSiglaStatoFTM(const QString& value) { siglaStatoFTM_ = value; }

    // ---- competitor registry ----
    // Stores Item under Concorrente: replaces an existing entry in its place, else appends.
    void ConcorrenteAdd(std::shared_ptr<clsConcorrente> Item, qint16 Concorrente);
    // The stored competitor, or a new empty one that is not added.
    std::shared_ptr<clsConcorrente> ConcorrenteItem(qint16 Concorrente) const;
    bool ConcorrenteExists(qint16 Concorrente) const;
    QList<qint16> ElencoConcorrenti() const;  // registry order
    // Competitor number of the first competitor whose Pettorale equals the bib; -1 for bib 0
    // or when none.
    int ConcorrenteDaPettorale(qint16 Pettorale) const;
    // Pettorale (or PettoraleStampa with the flag) of the competitor; -1 when none.
    int PettoraleDaConcorrente(qint16 Concorrente, bool bPettoraleStampa) const;
    // The stored competitor or nullptr; never creates one.
    const clsConcorrente* findConcorrente(qint16 Concorrente) const;
    // The stored result of the competitor in run (or heat) `Manche`; nullptr for a competitor the
    // race does not hold or a run never created. Never creates one.
    const clsRisultati* findRunResult(qint16 Concorrente, int Manche) const
    {
        return runResult(findConcorrente(Concorrente), Manche);
    }

    // ---- categories ----
    void CategoriaAdd(std::shared_ptr<clsCategoria> Value);  // appended, duplicates allowed
    // First category with the code (exact, case-sensitive), or a new empty one not added.
    std::shared_ptr<clsCategoria> CategoriaItem(const QString& Categoria) const;
    qint16 CategoriaCount() const;
    // Category at position Ordine from 1; nullptr outside 1..count.
    std::shared_ptr<clsCategoria> CategoriaInOrdine(qint16 Ordine) const;
    // Position from 1 of the first category with the code; -1 when none.
    qint16 CategoriaOrdine(const QString& Categoria) const;

    // ---- start lists ----
    // Expected starter at position 1..TotalePartentiAttesi; 0 outside that range.
    qint16 PartenteInPosizione(int Posizione) const;
    qint16 TotalePartentiAttesi() const;
    void PartenteAggiungi(qint16 Concorrente);  // expected and declared starters
    void PartenteRimuovi(qint16 Concorrente);   // first occurrence, expected starters only
    bool ConcorrentePartente(qint16 Concorrente) const;  // among the declared starters
    // Declared starter at a position, counting only the category's members ("XXXXX" all);
    // -1 when there is none. Manche is not used.
    int ConcorrentePartenteInPosizione(qint16 Manche, int Posizione, const QString& Categoria) const;
    int TotalePartenti(qint16 Manche, const QString& Categoria) const;
    // Start position in run Manche; 0 for an unregistered competitor. The setter changes a
    // registered competitor only and returns false when nothing was stored.
    qint32 OrdinePartenza(qint16 Manche, qint16 Concorrente) const;
    bool setOrdinePartenza(qint16 Manche, qint16 Concorrente, qint32 value);

    // ---- heat pairs ----
    // Adds a competitor number to the heat's list, registering the heat when new.
    void ElencoCoppieSfideAdd(qint16 Sfida, qint16 value);
    // Competitor numbers of the heat, lane A first; empty for an unregistered heat.
    QList<qint16> ElencoConcorrentiSfida(qint16 Sfida) const;
    QList<qint16> ElencoSfide() const;  // in the order first added
    // Competitor number of lane A (or B) of the heat; 0 when absent or unregistered.
    qint16 ConcorrenteParallelo(qint16 Sfida, bool bConcorrenteA) const;

    // ---- run modes ----
    bool MancheParallelo() const;
    bool MancheSprint() const;

    // ---- classification engine ----
    void QuickSortClassifica(qint32 Classifica);  // rebuilds one slot (0..50)
    qint16 MancheSfidaCorrente() const;           // the current run
    bool OrdinamentoExAequoDescrescente() const;  // ties by descending bib
    void ImpostaStatoConcorrenti(qint32 Stato);   // every result of runs 1..current run
    qint32 StatoConcorrenteDopoManche(qint16 Manche, qint16 Concorrente) const;
    qint32 TempoTotaleConcorrente(qint16 Manche, qint16 Concorrente) const;  // packed
    qint32 TempoPenalita(qint16 Manche, qint16 Concorrente) const;          // packed
    void ElaboraClassifiche();
    QString StatoSigla(qint32 Stato) const;  // "DNF", "DNS", "DSQ" or ""
    bool UtilizzaSingolaManche() const;

    // ---- positions, gaps and heats ----
    int ConcorrenteInPosizione(qint32 Classifica, int Posizione, const QString& Categoria) const;
    int PosizioneInClassifica(qint32 Classifica, qint16 Concorrente, const QString& Categoria) const;
    int NumeroConcorrentiInClassifica(qint32 Classifica, const QString& Categoria) const;
    qint32 DistaccoDaPosizione(qint32 Classifica, qint16 Manche, qint16 Concorrente, int Posizione,
                               const QString& Categoria) const;
    qint32 DistaccoTraConcorrenti(qint32 Classifica, qint16 Manche, qint16 Concorrente1,
                                  qint16 Concorrente2) const;
    qint32 DistaccoDaConcorrente(qint32 Classifica, qint16 Manche, qint16 Concorrente,
                                 qint16 ConcorrenteAltro) const;
    int ConcorrenteVincitoreSfidaParallelo(qint16 Sfida) const;
    QList<std::shared_ptr<clsConcorrente>> ElencoConcorrentiConStato(qint16 Manche, qint32 Stato) const;
    qint32 TempoIntermedioConcorrente(qint16 Manche, qint16 Concorrente, qint16 Intermedio) const;
    bool CategoriaPresenteNellaSfida(qint16 Sfida, const QString& Categoria) const;
    bool SfidaCompletata(qint16 Sfida) const;
    int ProbabileProssimoConcorrenteArrivo() const;

    // ---- operator preview list and results monitor ----
    // Rewrites the preview list of slot Classifica for a category ("XXXXX" all) and its header
    // in the caption; a slot type without a builder leaves the list empty and the caption as it was.
    void VisualizzaPreview(TextListSurface& lst, CaptionLabel& lbl, qint32 Classifica,
                           const QString& Categoria) const;
    // The monitor pages, written on a surface in row scale (see monitor_pages.h). The standings
    // block refuses a slot outside 0..50 (false) before writing anything; Colonna is not used.
    bool VisualizzaMonitorClassifica(TextListSurface& Pic, qint32 Classifica, qint16 Inizio, qint16 Fine,
                                     qint16 Riga, qint16 Colonna,
                                     std::optional<bool> PrimaPulisciPagina = std::nullopt) const;
    void VisualizzaMonitorParallelo(TextListSurface& Pic) const;
    void VisualizzaTempoCorrere(TextListSurface& Pic) const;
    // Moves the cycling block on by one block, or back after the leading block.
    void CiclaConcorrentiMonitor();
    // Refreshes the host's monitor after competitor Traguardo finished (the pages highlight the
    // ConcorrenteTraguardo property, which the caller keeps).
    void AggiornaMonitor(MonitorHost& frm, qint16 Traguardo);
    // The monitor settings and the clock of the running times that the monitor pages read; not
    // owned. Without settings every colour and layout value reads 0; without a clock the
    // on-course block leaves the running times out.
    void setMonitorEnvironment(const MonitorPageSettings* settings, const Clock* clock);

    // The ranked competitor numbers of a slot (empty outside 0..50); for readers such as the
    // preview and monitor writers.
    const std::vector<qint16>& slotOrder(qint32 Classifica) const;
    // The fields of the competitor's ranking key in a slot, as a rebuild of the slot now builds
    // them (rankingKeyText gives the key's text). An unregistered number reads as an empty
    // competitor; a slot outside 0..50 has only the tie-break and the number.
    RankingFields rankingFields(qint32 Classifica, qint16 Concorrente) const;

private:
    void initialise(MonitorSettingsReloader* monitorSettings);
    // The state, total and penalty rules as the race record and session set them now.
    RunRules runRules() const;
    // Ranks the given slots (0..50) from the competitors' current results.
    void rankSlots(std::span<const int> slotNumbers);
    const RankedSlot* slot(qint32 Classifica) const;
    const RankedSlot::CategoryPositions& categoryPositions(const RankedSlot& slot,
                                                           const QString& Categoria) const;
    // Elapsed time (ms) at a split of run Manche, earlier runs added as earlierRunsMs counts
    // them; 0 without the split or without a time for the earlier runs.
    qint32 elapsedAtSplitMs(const clsConcorrente* competitor, qint16 Manche, int split) const;
    // What the runs before Manche add to a time inside run Manche (ms): the total after run
    // Manche - 1, on the basis TempoTotaleConcorrente adds runs up (penalties included), so a
    // split and the finish of the run count the same earlier runs. Nothing when a single run
    // counts, the run stands alone or the best run counts; no value when the earlier runs have
    // no total (a run before not arrived).
    std::optional<qint64> earlierRunsMs(const clsConcorrente* competitor, qint16 Manche) const;
    // The time a gap compares, in ms, by classification type: 0 total after the run, 1 the
    // run's time, 2 elapsed time at the slot's split; 0 for other types.
    qint32 gapTimeMs(int type, qint32 Classifica, qint16 Manche, const clsConcorrente* competitor,
                     const RunRules& rules) const;

    QString turnoCorrente_;
    qint32 turnoCorrenteTipo_ = 0;
    QString turnoCorrenteDescrizione_;
    qint16 mancheCorrente_ = 0;
    qint16 sfidaCorrente_ = 0;
    qint16 roundCorrente_ = 0;
    qint32 statoSessione_ = 0;
    qint16 concorrenteTraguardo_ = 0;
    qint16 concorrenteRicevuto_ = 0;
    qint16 posizioneVisualizzata_ = 0;
    QString categoriaPreview_;
    QString categoriaMonitor_;
    QString siglaStatoNonPartito_;
    QString siglaStatoNonArrivato_;
    QString siglaStatoPartito_;
    QString siglaStatoEscluso_;
    QString siglaStatoFTM_;

    CompetitorRegistry competitors_;
    ExpectedStarters expectedStarters_;
    QList<qint16> declaredStarters_;
    std::vector<std::shared_ptr<clsCategoria>> categories_;
    InsertionOrderedMap<qint16, QList<qint16>> heats_;
    std::array<RankedSlot, kSlotCount> slots_{};
    std::array<qint16, kSlotCount> slotTypes_{};
    const MonitorPageSettings& monitorSettings() const;
    const MonitorPageSettings* monitorSettings_ = nullptr;
    const Clock* monitorClock_ = nullptr;
    // Changes whenever category membership of a registered competitor may have changed.
    std::shared_ptr<quint64> categoryRevision_ = std::make_shared<quint64>(0);
};

}  // namespace razudar

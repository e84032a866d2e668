#pragma once
// clsTabella: the engine of a table window. The host window sets the public variables,
// registers its controls, calls ta_Inizio and forwards its controls' events to the members of
// the same name; the engine searches, filters, sorts, edits and hands values back to the
// calling window. Its members are split by concern over several sources:
//   cls_tabella.cpp           creation and registration of the window's controls
//   cls_tabella_setup.cpp     ta_Inizio and the field presets and writers
//   cls_tabella_life.cpp      first paint, unload, error boxes, row flags, empty-result condition
//   cls_tabella_grid.cpp      the grid: header sort, reloads, keys, focus look, key criterion
//   cls_tabella_fields.cpp    typing, focus, keys of the fields, field states, filters
//   cls_tabella_services.cpp  menus, report helpers, number and length services, Tag readers
#include <QString>
#include <QVariant>

#include <QStringList>

#include <array>
#include <map>
#include <optional>
#include <set>
#include <vector>

#include "data/database_state.h"
#include "model/suggestion_sink.h"
#include "platform/db/criteria.h"
#include "platform/services/services.h"
#include "tables/controls.h"
#include "tables/query_terms.h"
#include "tables/record_source.h"
#include "tables/table_extensions.h"

class QObject;

namespace razudar::tables {

inline constexpr int kMaxCampi = 201;    // field slots 0..200
inline constexpr int kMaxTabelle = 11;   // table names, return fields and menus 0..10
inline constexpr int kMaxTasti = 16;     // command buttons 0..15
inline constexpr int kMaxChiavi = 11;    // key values kept for the key criterion

// Window modes (int_Modalita).
namespace modalita {
inline constexpr int kGestione = 0;      // maintenance: fields, grid, first record loaded
inline constexpr int kFiltro = 1;        // filter fields only
inline constexpr int kElenco = 2;        // list with filters
inline constexpr int kElencoVuoto = 3;   // list that starts empty
inline constexpr int kRicerca = 4;       // lookup window, no grid
inline constexpr int kRicercaDiretta = 5;
}  // namespace modalita

// Colours the engine sets on its fields, as the platform's ARGB values (0xAARRGGBB).
inline constexpr QRgb kColoreFocusArgb = 0xFF00FFFF;           // cyan
inline constexpr QRgb kColoreBiancoArgb = 0xFFFFFFFF;
inline constexpr QRgb kColoreSfondoPulsanteArgb = 0xFFF0F0F0;  // the system button face

class clsTabella : public SuggestionSink {
public:
    clsTabella(DatabaseState& database, const Services& services);

    // ---- public variables, in declaration order --------------------------------------------
    bool boo_GrigliaNonInGrassetto = false;
    bool boo_GrigliaConRigheRidimensionabili = false;
    bool boo_GrigliaConColonneRidimensionabili = false;
    bool boo_GrigliaConRigheSelezionabili = false;
    bool boo_GrigliaConCelleConBordo = false;
    bool boo_GrigliaConOrdinamentoBloccato = false;
    bool boo_NonPulireChiaviGerarchiche = false;
    bool boo_GestioneManualeVisibleCampi = false;
    bool boo_GestioneAutomaticaStatoMenu = false;
    int int_NumeroVociMenu = 0;
    bool boo_ProgressivoAutomatico = false;
    bool int_VaiUltimoRecord = false;
    int int_ColonnaOrdine = 0;
    int int_ColonnaOrdine2 = -1;
    int int_ColonnaOrdine3 = -1;
    bool boo_OrdineDecrescente = false;
    bool boo_OrdineDecrescente2 = false;
    bool boo_OrdineDecrescente3 = false;
    bool boo_NonFiltrare = false;
    int int_Modalita = 0;
    QString str_Recordset;
    QString str_Where;
    QString str_Wher2;
    QString str_Criterio;
    QString str_Wher2Rpt;
    int int_Filtro = 0;
    int int_NumeroTasti = 14;
    int int_CampoChiaveIniziale = 0;
    int int_CampoNonChiaveIniziale = -1;
    int int_NumeroCampi = 0;
    int int_UltimoCampoChiave = 0;
    int int_UltimoCampoModificabile = 0;
    int int_UltimoCampoChiaveProtetto = -1;
    TableHost* frm_Form = nullptr;
    RecordSource* dat_Tabella = nullptr;
    FieldFrame* fra_DatiIdentificativi = nullptr;
    FieldFrame* fra_AltreInformazioni = nullptr;
    FieldFrame* pic_Modifica = nullptr;
    FieldFrame* pic_Conferma = nullptr;
    GridControl* dbg_Elenco = nullptr;
    int int_ColonnaFlag = -1;
    bool boo_NoFlag = false;
    int lon_Selezionati = 0;
    QVariant lon_SelezionatiSalva;
    bool boo_Inizializzata = false;
    int int_Restituisci = 0;

    // The current conditions as structured terms (built with str_Wher2 by Imposta_str_Wher2).
    QueryConditions condizioniFiltro;

    // ---- host events and extension points ----------------------------------------------------
    void setEvents(TableEvents* events) { events_ = events; }
    void setLookupHandler(LookupHandler* handler) { lookups_ = handler; }
    void setCommandHandler(CommandHandler* handler) { commands_ = handler; }
    void setConditionBuilder(ConditionBuilder* builder) { conditions_ = builder; }
    TableEvents* events() const { return events_; }
    const Services& services() const { return services_; }
    DatabaseState& databaseState() { return database_; }

    // ---- registration ------------------------------------------------------------------------
    void AggiungiCampoSaltaFocusAutomatico(int Value);
    void ErroreCampoAggiungi(int Index, const QString& Testo = QString());
    void SuggerisciAggiungi(const QString& NomeCampo, const QVariant& Valore,
                            bool ValoreZeroSignificativo = false) override;
    void WhereNullaAggiungi(const QString& NomeCampo, const QString& Valore);
    void boo_ProteggiSplit(int Split, bool Valore);
    bool boo_ProteggiSplit(int Split) const;
    FieldControl* Campo(int Index) const;
    void str_Tabelle(int i, const QString& t);
    QString str_Tabelle(int i) const;
    bool boo_RestituisciAttivo_R(int i) const;
    void meb_Restituisci(int i, bool b, ReturnField* o);
    ReturnField* meb_Restituisci_R(int i) const;
    void mnu_Menu(int i, MenuItem* o);
    void cmd_Tasto(int i, CommandButton* o);
    CommandButton* cmd_Tasto(int i) const;
    void meb_Campo(int i, FieldControl* o);
    void dat_DecodificaRecordset(int i, RecordSource* o);
    RecordSource* dat_DecodificaRecordset(int i) const;
    void dbc_Decodifica(int i, LookupCombo* o);
    LookupCombo* dbc_Decodifica(int i) const;
    void dbc_Decodifica_Change(int Index);
    void dbc_Decodifica_KeyUp(int Index, int KeyCode, int Shift);
    void dbc_Decodifica_Click(int Index, int Area);
    void frm_Decodifica(int i, QObject* o);
    QObject* frm_Decodifica(int i) const;
    void pic_Aggiungi(int i, FieldFrame* o);
    FieldFrame* pic_Aggiungi(int i) const;
    void lbl_Descrizione(int i, DescriptionLabel* o);
    DescriptionLabel* lbl_Descrizione(int i) const;

    // ---- grid -------------------------------------------------------------------------------
    void dbg_Elenco_HeadClick(int ColIndex, bool Refresh = false, bool Inizio = false,
                              bool ChiamataDaClasse = false);
    QVariant dbg_Elenco_UnboundColumnFetch(int row, int Col);
    void dbg_Elenco_DblClick();
    void dbg_Elenco_KeyDown(int& KeyCode, int Shift);
    void dbg_Elenco_Click();
    void dbg_Elenco_GotFocus();
    void dbg_Elenco_LostFocus();
    void dbg_Elenco_AfterUpdate();
    void dbg_Elenco_RowColChange(int LastRow, int LastCol);
    void dbg_Elenco_Reposition();

    // ---- lookups (their behaviour comes with the lookup handler) ----------------------------
    void pic_Aggiungi_Click(int Index);
    void dbc_Decodifica_Valorizza(int Index);
    void ta_FiltraDecodifiche(int first, int last);

    // ---- field editing and filters -----------------------------------------------------------
    bool ta_Assegna(QVariant& Variabile, const QVariant& AttualeValore, const QVariant& NuovoValore);
    void ta_AggiornaRecord(bool RicaricaRecordset);
    void meb_Campo_Change(int Index);
    void meb_Campo_GotFocus(int Index);
    void meb_Campo_LostFocus(int Index);
    void Filtra();
    void meb_Campo_Filtro(int Index);
    bool EliminaTutto();
    bool DatoNullo(int Index) const;
    void Imposta_str_Wher2();
    void meb_Campo_Keydown(int Index, int& KeyCode, int Shift);
    void meb_Campo_KeyPress(int Index, int& KeyAscii);
    void ta_ImpostaStatoTuttiCampi();

    // ---- command buttons (their actions come with the command handler) -----------------------
    bool cmd_Tasto_Click(int Index);

    // ---- set-up ------------------------------------------------------------------------------
    bool ta_Inizio(bool NonCentrare = false, const QString& dbase = QString());
    // The database error that stopped the last ta_Inizio (none when it ran through or stopped
    // for another reason), for the window to tell the operator.
    const std::optional<db::DbError>& erroreInizio() const { return setupError_; }
    void ApplicaSuggerimenti(int first, int last);
    void CaricaCampiDaRecord(int first, int last, bool lasciaFineInsieme);
    void PulisciCampi(int first, int last);
    void ScriviValoreCampo(int index, const QVariant& value);
    // The text ScriviValoreCampo shows in text field `index` for `value`.
    QString testoPerCampo(int index, const QVariant& value) const;

    // ---- window life, flags and errors -------------------------------------------------------
    int Form_Unload(int Cancel);
    void frm_Form_Paint(bool Filtrare = false);
    int ErroreWarning(int IndiceCampo, const QString& Testo);
    void Errore(int NumeroCampo, const QString& Testo = QString(), bool ErroriMultipli = false);
    QObject* da_Stringa_a_Form(const QString& NomeForm, bool Trovato = false);
    void FlagCaricaCopia();
    void FlagAggiungi(int Posizione, bool Selezionato);
    void FlagElimina(int Posizione);
    bool Flag(int Posizione) const;
    void Flag(int Posizione, bool f);
    void CreaFlag();
    QString WhereNulla(const QString& NomeCampo, bool Facoltativa = false, bool AggiungiWhere = false);
    int SelezionaTutti();
    void SalvaBMP(int Index, bool SuCampo, bool Pulisci);
    void dbg_Elenco_FilterChange();

    // ---- menus, report parameters and small services -----------------------------------------
    void Menu(bool Attivo);
    QString CampoRPT(const QString& Campo) const;
    // ParametriStampa: report parameter number -> column name without its prefix.
    void CaricaParametriPerStampe(const std::map<int, QString>& ParametriStampa, int TipoStampa,
                                  QStringList& Parametri, int Ordinamento) const;
    static float C_Sng(const QString& Testo);
    bool DatoTroppoLungo(int Index) const;
    int LunghezzaMassimaCampo(int Index) const;
    static bool EsisteOggetto(const void* o) { return o != nullptr; }

    // ---- services the command buttons and the lookups share ---------------------------------
    QString ta_FlagCampo(int index, int mode, const QString& flag) const;  // mode 1: the rest
    bool ta_FlagCampoPresente(int index, const QString& flag) const;        // mode 2
    bool ta_FlagDecodifica(int index, const QString& flag) const;           // mode 2 on the combo
    QString RegolaMaiuscole(int index) const;
    bool ErroreCampo(int index, QString* testo = nullptr) const;
    void PulisciErroreCampo(int index);                 // flag off, message ""
    bool SaltaFocusAutomatico(int index) const { return skipFocus_.count(index) > 0; }
    bool modificheComboAttive() const { return comboChangesLive_; }
    void impostaModificheCombo(bool live) { comboChangesLive_ = live; }
    void ta_NuovaRicerca();
    bool ta_FiltroColonneAttivo() const;
    // The key criterion: as text ("co_Gara=1 and co_Cognome=\"Rossi\"") and as criteria the
    // record set can search with.
    QString ta_CriterioChiave(const QString& confronto, bool daiCampi) const;
    db::Criteria ta_CriterioChiaveRicerca(bool daiCampi) const;
    void ta_VisualizzaRecord(bool mostra);
    void ta_SalvaChiave();
    void ta_ImpostaStatoCampo(int index, bool enabled);
    int pulsantePredefinito() const { return defaultButton_; }
    void impostaPulsantePredefinito(int index);
    bool impostazioneFatta() const { return setupDone_; }
    bool campiCaricati() const { return CampiCaricati_; }
    const QVariant& valoreChiave(int i) const { return ValoriChiave_.at(static_cast<std::size_t>(i)); }
    // A date typed in a field: a two-digit year takes the window of the clock's current year.
    std::optional<QDateTime> leggiData(const QString& text) const;
    // The clock's current year, which anchors typed two-digit years (none without a clock).
    std::optional<int> annoCorrente() const;
    // Why the text of field `index` cannot go into its integer column (a fraction, or beyond
    // the column's range); empty when it can, or when the column holds no whole numbers.
    QString numeroNonAmmesso(int index) const;

private:
    struct FieldSlot {
        FieldControl* edit = nullptr;
        LookupCombo* combo = nullptr;
        RecordSource* lookupData = nullptr;
        QObject* relatedWindow = nullptr;
        FieldFrame* relatedButton = nullptr;
        DescriptionLabel* label = nullptr;
        bool error = false;
        QString errorText;
        QString caseRule;
    };
    struct Suggestion {
        QString column;
        QVariant value;
        bool zeroSignificant = false;
    };
    struct ReturnSlot {
        ReturnField* field = nullptr;
        bool active = true;
    };

    static void checkIndex(int i, int size);
    FieldSlot& slot(int i);
    const FieldSlot& slot(int i) const;
    int columnType(int index) const;  // the type of field i's column, -1 when unknown
    bool isDateTimeField(int index) const;
    void ta_StatoVoceMenu(int item, bool Attivo);
    void ta_ApplicaMaiuscole(int index);
    void applicaCondizioniDiBase();
    void showFlagRow(int position);
    std::vector<SortKey> chiaviOrdinamento(int colIndex) const;
    QString visibleFieldSetting(int index) const;
    bool dateTimeKey(int index, int& KeyCode);
    void typeDateTimeDigit(int index, QChar digit);

    DatabaseState& database_;
    Services services_;
    TableEvents* events_ = nullptr;
    LookupHandler* lookups_ = nullptr;
    CommandHandler* commands_ = nullptr;
    ConditionBuilder* conditions_ = nullptr;

    std::vector<FieldSlot> fields_ = std::vector<FieldSlot>(kMaxCampi);
    std::vector<Suggestion> suggestions_;
    std::vector<std::pair<QString, QString>> emptyValues_;
    std::set<int> skipFocus_;
    std::array<bool, 2> splitProtection_{true, true};
    std::array<QString, kMaxTabelle> tables_;
    std::array<ReturnSlot, kMaxTabelle> returns_;
    std::array<MenuItem*, kMaxTabelle> menus_{};
    std::array<CommandButton*, kMaxTasti> buttons_{};
    int defaultButton_ = 0;
    bool setupDone_ = false;
    std::optional<db::DbError> setupError_;
    bool comboChangesLive_ = false;
    bool lengthCheck_ = true;
    bool painted_ = false;

    std::array<QVariant, kMaxChiavi> ValoriChiave_;
    std::vector<bool> FlagRighe_;      // one per record, position n at index n
    std::vector<bool> FlagRigheSalva_;
    bool RicercaInCorso_ = false;
    bool RicercaPosizionata_ = false;
    bool CampiCaricati_ = false;
    int CampoRicerca_ = 0;
    QString CifraInSospeso_;
    bool filterChangeRunning_ = false;
};

}  // namespace razudar::tables

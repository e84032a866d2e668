#pragma once
// The numbered command buttons of a table window: the search state and the edit state, writing
// a record, deleting one or all listed records, clearing, filtering, printing and choosing the
// visible fields, with the engine's own checks of the key and the other fields.
#include <QString>
#include <QVariant>

#include <map>

#include "platform/db/database.h"
#include "tables/query_terms.h"
#include "tables/report_entry.h"
#include "tables/table_extensions.h"

namespace razudar::tables {

// Button numbers.
namespace tasto {
inline constexpr int kConferma = 0;
inline constexpr int kElimina = 1;
inline constexpr int kPulisci = 2;
inline constexpr int kAnnulla = 3;
inline constexpr int kModifica = 4;
inline constexpr int kChiudi = 5;
inline constexpr int kNuovaRicerca = 6;
inline constexpr int kStampa = 7;
inline constexpr int kEliminaTutto = 8;
inline constexpr int kNuovo = 9;
inline constexpr int kStampa2 = 10;
inline constexpr int kFiltra = 11;
inline constexpr int kStampa3 = 12;
inline constexpr int kCampiVisibili = 13;
}  // namespace tasto

// A store that still collides after this many increases of the progressive key gives up.
inline constexpr int kMaxTentativiProgressivo = 1000;

class CommandButtons : public CommandHandler {
public:
    bool cmd_Tasto_Click(clsTabella& tb, int Index) override;

    // The engine's checks: true when a field is in error (the error box has then been shown).
    static bool Controllo_Conferma(clsTabella& tb);
    static bool Controllo_Modifica(clsTabella& tb);

    // The report routine and the chooser; without them the buttons say they are not available.
    void setReportEntry(ReportEntry* entry) { reports_ = entry; }
    void setChooser(VisibleFieldsChooser* chooser) { chooser_ = chooser; }
    // Report parameter number -> column name without its prefix (the print buttons of the
    // windows that are not lookups).
    std::map<int, QString> parametriStampa;
    // The report call last handed to the routine (for the host's records).
    ReportCall lastReport;

private:
    bool conferma(clsTabella& tb);
    bool elimina(clsTabella& tb);
    void pulisci(clsTabella& tb);
    void annulla(clsTabella& tb);
    bool modifica(clsTabella& tb, bool nuovo);
    bool stampa(clsTabella& tb, int Index);
    bool campiVisibili(clsTabella& tb);
    void entraInModifica(clsTabella& tb);
    void esciDaModifica(clsTabella& tb, bool mostraRecord);
    void fuocoChiavi(clsTabella& tb);

    ReportEntry* reports_ = nullptr;
    VisibleFieldsChooser* chooser_ = nullptr;
};

// The key fields' values as query terms (bound); `lastOp` compares the last key field.
QueryConditions keyConditions(const clsTabella& tb, TermOp lastOp = TermOp::Equal, bool fromFields = true);

}  // namespace razudar::tables

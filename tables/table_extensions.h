#pragma once
// The engine's events towards its host window, and the points where the lookups, the command
// buttons and the condition builder plug into it. A table window installs what it has; without
// them the engine runs its own minimal behaviour (see cls_tabella.h).
#include <QString>

#include <optional>

namespace razudar::tables {

class clsTabella;

// Events raised to the host window; every one is optional.
class TableEvents {
public:
    virtual ~TableEvents() = default;
    virtual void CaricaFlag() {}
    virtual void PreparaModifica() {}
    virtual void Totali() {}
    virtual void Inizializzata() {}
    virtual void StatoCampo(int /*Index*/, bool& /*Protetto*/, bool& /*Invisibile*/) {}
    virtual void StatoMenu(int /*Index*/, bool& /*Protetto*/, bool& /*Invisibile*/) {}
    // The host's own checks before a confirm or an edit: true stops the action; a host without
    // the check answers nullopt (read as False).
    virtual std::optional<bool> Controllo_Conferma() { return std::nullopt; }
    virtual std::optional<bool> Controllo_Modifica() { return std::nullopt; }
};

// Lookup combos and related tables.
class LookupHandler {
public:
    virtual ~LookupHandler() = default;
    virtual void ta_FiltraDecodifiche(clsTabella& tb, int first, int last) = 0;
    virtual void dbc_Decodifica_Valorizza(clsTabella& tb, int index) = 0;
    virtual void pic_Aggiungi_Click(clsTabella& tb, int index) = 0;
};

// The command buttons' actions; true when the action ran to its end.
class CommandHandler {
public:
    virtual ~CommandHandler() = default;
    virtual bool cmd_Tasto_Click(clsTabella& tb, int index) = 0;
};

// Builds the window's current conditions from the filter fields and the grid's filter bar:
// the structured terms the query runs with, and the readable texts str_Wher2, str_Wher2Rpt and
// str_Criterio.
class ConditionBuilder {
public:
    virtual ~ConditionBuilder() = default;
    virtual void Imposta_str_Wher2(clsTabella& tb) = 0;
};

}  // namespace razudar::tables

#pragma once
// The shared rules by which every page formats names and clock formats, following the operator's
// display options, and the test of a parallel turn (page_writer.h writes the nations).
#include <QString>

#include "app/pages/page_context.h"

namespace razudar {

// Display name: surname and first name (or its initial and a point) by OpzioneNominativi:
// 0 upper case, 1 proper case, 2 unchanged, other the empty text. Upper case is the console's
// (basic::UCase, character by character): a name keeps the letters the timekeeper gave it, so
// "Weiß" is "WEIß" on a page as in the preview list.
QString FormattaNominativo(const ProgramState& state, const QString& cognome, const QString& nome, bool soloIniziale);
QString FormattaCognome(const ProgramState& state, const QString& cognome);
QString FormattaNome(const ProgramState& state, const QString& nome, bool soloIniziale);
// The clock stop format of the race's resolution ("" outside 1..4).
QString FormatoTempoRisoluzione(const clsKrono& krono);
// The current turn is run as parallel heats: a parallel race in a turn other than those of
// turn-type ids 1 and 2.
bool TurnoParallelo(const PageContext& ctx);

}  // namespace razudar

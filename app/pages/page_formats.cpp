#include "app/pages/page_formats.h"

#include "model/bas_utilita.h"
#include "model/basic.h"
#include "model/race_codes.h"

namespace razudar {

namespace {

QString nomeUsato(const QString& nome, bool soloIniziale) {
    if (!soloIniziale) return nome;
    // The first character, and a point when the name is more than blanks.
    return nome.left(1) + (nome.trimmed().isEmpty() ? QString() : QStringLiteral("."));
}

// A received name's control characters are made blanks before its case is set: proper case
// then starts a word after each of them, as it does after a blank ("Nome\r\nDue" is "Nome  Due").
QString perOpzione(qint16 opzione, const QString& ricevuto) {
    const QString testo = blankControlCharacters(ricevuto);
    switch (opzione) {
    case 0: return basic::UCase(testo);
    case 1: return NomeProprio(testo);
    case 2: return testo;
    default: return QString();
    }
}

}  // namespace

QString FormattaNominativo(const ProgramState& state, const QString& cognome, const QString& nome,
                           bool soloIniziale) {
    const qint16 opzione = state.OpzioneNominativi;
    if (opzione < 0 || opzione > 2) return QString();
    return perOpzione(opzione, cognome) + QLatin1Char(' ') + perOpzione(opzione, nomeUsato(nome, soloIniziale));
}

QString FormattaCognome(const ProgramState& state, const QString& cognome) {
    return perOpzione(state.OpzioneNominativi, cognome);
}

QString FormattaNome(const ProgramState& state, const QString& nome, bool soloIniziale) {
    return perOpzione(state.OpzioneNominativi, nomeUsato(nome, soloIniziale));
}

QString FormatoTempoRisoluzione(const clsKrono& krono) {
    switch (krono.cGara.Risoluzione()) {
    case 1: return QStringLiteral("nz hh:mm:ss");
    case 2: return QStringLiteral("nz hh:mm:ss:d");
    case 3: return QStringLiteral("nz hh:mm:ss:dc");
    case 4: return QStringLiteral("nz hh:mm:ss:dcm");
    default: return QString();
    }
}

bool TurnoParallelo(const PageContext& ctx) {
    const clsKrono& k = ctx.krono();
    if (!k.cGara.Parallelo()) return false;
    const QString turno = basic::UCase(k.TurnoCorrente());
    const auto codice = [&](qint32 id) { return ctx.codiceTipoTurno ? basic::UCase(ctx.codiceTipoTurno(id)) : QString(); };
    return turno != codice(kTipoTurnoQualificazione) && turno != codice(kTipoTurnoSingolaManche);
}

}  // namespace razudar

#pragma once
// The application messages of the link: a command word and a payload joined by
// "GRAFINEPREFISSO" inside one link frame; per-competitor payloads are fields joined by
// "_GRASEPARATORETCORRERE_".
#include <QString>
#include <QStringList>

#include <optional>

namespace razudar {

inline constexpr char16_t kSeparatoreComando[] = u"GRAFINEPREFISSO";
inline constexpr char16_t kSeparatoreCampi[] = u"_GRASEPARATORETCORRERE_";

// Sent.
inline constexpr char16_t kRichiestaChiaveSessione[] = u"RICHIESTACHIAVESESSIONE";
inline constexpr char16_t kRichiestaClasse[] = u"RICHIESTACLASSE";
// Received.
inline constexpr char16_t kAggiornaClasse[] = u"AGGIORNACLASSE";
inline constexpr char16_t kAggiornaOrario[] = u"AGGIORNAORARIO";
inline constexpr char16_t kStartParallelo[] = u"TCORRERESTARTPARALLELO";
inline constexpr char16_t kOrarioStart[] = u"TCORREREORARIOSTART";
inline constexpr char16_t kOrarioStop[] = u"TCORREREORARIOSTOP";
inline constexpr char16_t kTempo[] = u"TCORRERETEMPO";
inline constexpr char16_t kOrarioIntermedio[] = u"TCORREREORARIOINTERMEDIO";
inline constexpr char16_t kStatoConcorrente[] = u"STATOCONCORRENTE";

struct MessaggioComando {
    QString comando;
    QString payload;
};

// The command word and payload of a text that holds exactly one separator; nothing otherwise.
std::optional<MessaggioComando> SeparaMessaggio(const QString& text);
// The text of a message: command word, separator, payload.
QString ComponiMessaggio(const QString& comando, const QString& payload = QString());
// The fields of a per-competitor payload ("" gives none).
QStringList CampiMessaggio(const QString& payload);

}  // namespace razudar

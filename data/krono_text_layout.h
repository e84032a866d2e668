#pragma once
// The layout of a race state in object text: eight sections, cut into values and checked
// completely before anything is built from them, so a payload is either read whole or not at all.
//
//  0 session and race record (attribute section, 24 values)
//  1 categories          [code, description, shooting series, penalty per miss, penalty text]
//  2 competitors         [number, bib, printed bib, surname, first name, nation, club]
//  3 competitor codes    [number, n, n category codes]
//  4 results             [number, then per result m: start, finish, time, state, I intermediates]
//  5 start list          [number]
//  6 heat pairs          [heat, n, n competitor numbers]
//  7 state abbreviations (attribute section: disqualified, outside maximum time, did not
//                         finish, did not start, on course)
#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <vector>

#include "data/object_text.h"

namespace razudar::object_text {

// Positions of the values of section 0.
enum SessionValue : int {
    kTurnoCorrente = 0,
    kTurnoCorrenteTipo,
    kMancheCorrente,
    kSfidaCorrente,
    kRoundCorrente,
    kTurnoCorrenteDescrizione,
    kStatoSessione,
    kDescrizioneSessione,
    kDescrizioneGara,
    kTipoFederazione,
    kDisciplinaCodice,
    kDisciplina,
    kSpecialita,
    kAllenamenti,
    kManches,
    kIntermedi,
    kFrazionisti,
    kRisoluzione,
    kKO,
    kTabellone,
    kParallelo,
    kLingua,
    kTabelloneNumeroDiscese,
    kQualificazioneParallela,
    kSessionValueCount
};

// Positions of the values of section 7.
enum AbbreviationValue : int {
    kSiglaStatoEscluso = 0,
    kSiglaStatoFTM,
    kSiglaStatoNonArrivato,
    kSiglaStatoNonPartito,
    kSiglaStatoPartito,
    kAbbreviationValueCount
};

inline constexpr int kRaceSectionCount = 8;
// Results are kept for runs (or heats) 0 to 50.
inline constexpr int kMaxResultBlocks = 50;
// Values of one category item, one competitor item, and the fixed values of a result block.
inline constexpr int kCategoryValues = 5;
inline constexpr int kCompetitorValues = 7;
inline constexpr int kResultFixedValues = 4;

// A race-state payload cut into its sections' values. Views point into the payload.
struct RaceTextLayout {
    std::vector<QStringView> session;
    CollectionValues categories;
    CollectionValues competitors;
    CollectionValues competitorCategories;
    CollectionValues results;
    CollectionValues startList;
    CollectionValues heats;
    std::vector<QStringView> abbreviations;
    // From section 0: intermediate times per result block, the truth values, and the number of
    // result blocks per results item (the current heat in a parallel run, else the current run).
    int intermediates = 0;
    int resultBlocks = 0;
    bool ko = false;
    bool tabellone = false;
    bool parallelo = false;
    bool qualificazioneParallela = false;

    // Values in one results item: the competitor number and `resultBlocks` blocks.
    qint64 resultItemValues() const {
        return 1 + qint64(intermediates + kResultFixedValues) * resultBlocks;
    }
};

// Reads and checks the whole payload. Returns false with a reason in Italian (for the log and the
// operator) when anything the layout reads is missing or unreadable; `layout` is then incomplete
// and must not be used.
bool readRaceText(QStringView payload, RaceTextLayout& layout, QString* reason);

}  // namespace razudar::object_text

// The race record's codes and the rules that read them, id by id.
#include <gtest/gtest.h>

#include "model/race_codes.h"

namespace razudar {
namespace {

TEST(RaceCodes, DisciplineRulesById) {
    struct Row {
        qint32 disciplina;
        bool tiesByDescendingBib;
        bool startsAtSetTimes;
    };
    const Row rows[] = {
        {0, false, false},  {1, true, false},   {2, false, true},   {3, false, false},
        {5, false, true},   {6, true, false},   {7, false, false},  {10, true, false},
        {11, false, false}, {12, true, false},  {14, false, false}, {15, true, false},
        {16, false, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.disciplina);
        EXPECT_EQ(DisciplinaExAequoDescrescente(row.disciplina), row.tiesByDescendingBib);
        EXPECT_EQ(DisciplinaPartenzaAOrario(row.disciplina), row.startsAtSetTimes);
    }
    EXPECT_EQ(kDisciplinaSenzaOrologio, 1);
    EXPECT_EQ(kDisciplinaBiathlon, 5);
    EXPECT_EQ(kDisciplinaSingolaManche, 15);
}

TEST(RaceCodes, SpecialityIds) {
    EXPECT_EQ(kSpecialitaMiglioreManche, 5);
    EXPECT_EQ(kSpecialitaSquadre, 6);
    EXPECT_EQ(kSpecialitaSprint, 7);
    EXPECT_EQ(kSpecialitaPrimaMancheSecondiInteri, 9);
}

TEST(RaceCodes, TurnTypeRulesById) {
    struct Row {
        qint32 tipoTurno;
        bool timed;
        bool finale;
    };
    const Row rows[] = {
        {0, false, false}, {1, true, false},  {2, true, false},   {3, false, false},
        {9, false, false}, {10, false, true}, {11, false, true},  {12, false, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.tipoTurno);
        EXPECT_EQ(TipoTurnoCronometrato(row.tipoTurno), row.timed);
        EXPECT_EQ(TipoTurnoFinale(row.tipoTurno), row.finale);
    }
}

}  // namespace
}  // namespace razudar

// Construction, session properties, registry, categories, start lists and heat pairs of the
// race state object.
#include "model/monitor_settings_reloader.h"
#include "model/race_state.h"
#include "race_fixture.h"

#include <gtest/gtest.h>

namespace razudar {
namespace {

using test::addCompetitor;
using test::kAll;

class RecordingReloader : public MonitorSettingsReloader {
public:
    void reloadMonitorSettings() override
    {
        ++reloads;
        fixed = nextFixed;
    }
    int monitorFixedPositions() const override { return fixed; }
    int reloads = 0;
    int fixed = 0;
    int nextFixed = 10;
};

TEST(RaceStateConstruction, ReloadsMonitorSettingsAndStartsAfterFixedBlock)
{
    RecordingReloader reloader;
    reloader.nextFixed = 3;
    clsKrono k(reloader);
    EXPECT_EQ(reloader.reloads, 1);
    EXPECT_EQ(k.PosizioneVisualizzata(), 4);
    clsKrono second(reloader);
    EXPECT_EQ(reloader.reloads, 2);  // every race state reloads them
}

TEST(RaceStateConstruction, NewStateIsEmptyWithDefaultSlotTypes)
{
    clsKrono k;
    EXPECT_EQ(k.ElencoConcorrenti().size(), 0);
    EXPECT_EQ(k.ConcorrenteDaPettorale(12), -1);
    EXPECT_TRUE(k.ElencoSfide().isEmpty());
    EXPECT_EQ(k.PosizioneVisualizzata(), 11);
    EXPECT_EQ(k.TipoClassifica(0), 0);
    for (int slot = 1; slot <= 5; ++slot)
        EXPECT_EQ(k.TipoClassifica(slot), 1);
    for (int slot = 6; slot <= 10; ++slot)
        EXPECT_EQ(k.TipoClassifica(slot), 2);
    EXPECT_EQ(k.TipoClassifica(11), 3);
    EXPECT_EQ(k.TipoClassifica(12), 1);
    EXPECT_EQ(k.TipoClassifica(50), 1);
    EXPECT_EQ(k.TipoClassifica(51), -1);
    for (int slot = 0; slot < clsKrono::kSlotCount; ++slot)
        EXPECT_TRUE(k.slotOrder(slot).empty());
}

TEST(RaceStateConstruction, SlotTypeSetterRefusesWhatDoesNotFit)
{
    clsKrono k;
    EXPECT_TRUE(k.setTipoClassifica(12, 2));
    EXPECT_EQ(k.TipoClassifica(12), 2);
    EXPECT_FALSE(k.setTipoClassifica(12, 40000));
    EXPECT_EQ(k.TipoClassifica(12), 2);
    EXPECT_FALSE(k.setTipoClassifica(51, 1));
    EXPECT_FALSE(k.setTipoClassifica(-1, 1));
}

TEST(RaceStateRegistry, ReplacingKeepsPlaceAndHoldsNewObject)
{
    clsKrono k;
    addCompetitor(k, 5, 1);
    addCompetitor(k, 9, 2);
    auto replacement = std::make_shared<clsConcorrente>();
    replacement->setConcorrente(5);
    replacement->setCognome(QStringLiteral("BIANCHI"));
    k.ConcorrenteAdd(replacement, 5);
    EXPECT_EQ(k.ElencoConcorrenti(), (QList<qint16>{5, 9}));
    EXPECT_EQ(k.ConcorrenteItem(5), replacement);
}

TEST(RaceStateRegistry, UnknownNumberGivesDetachedEmptyCompetitor)
{
    clsKrono k;
    addCompetitor(k, 5, 1);
    auto ghost = k.ConcorrenteItem(77);
    ghost->setCognome(QStringLiteral("X"));
    ghost->Risultati(1)->setTempo(100);
    EXPECT_EQ(ghost->Concorrente(), 0);
    EXPECT_FALSE(k.ConcorrenteExists(77));
    EXPECT_EQ(k.ConcorrenteItem(77)->Cognome(), QString());
    EXPECT_EQ(k.ElencoConcorrenti().size(), 1);
    k.setOrdinePartenza(1, 77, 4);
    EXPECT_EQ(k.OrdinePartenza(1, 77), 0);
    EXPECT_FALSE(k.ConcorrenteExists(77));
}

TEST(RaceStateRegistry, StoredObjectsAreChangedInPlace)
{
    clsKrono k;
    addCompetitor(k, 5, 1);
    k.ConcorrenteItem(5)->Risultati(2)->setTempo(6100);
    EXPECT_EQ(k.ConcorrenteItem(5)->Risultati(2)->Tempo(), 6100);
    EXPECT_TRUE(k.setOrdinePartenza(2, 5, 7));
    EXPECT_EQ(k.OrdinePartenza(2, 5), 7);
    EXPECT_FALSE(k.setOrdinePartenza(2, 5, 40000));
    EXPECT_EQ(k.OrdinePartenza(2, 5), 7);
}

TEST(RaceStateRegistry, BibLookupsFollowRegistryOrder)
{
    clsKrono k;
    addCompetitor(k, 30, 0);
    addCompetitor(k, 31, 7);
    auto twin = addCompetitor(k, 32, 7);
    twin->setPettoraleStampa(107);
    EXPECT_EQ(k.ConcorrenteDaPettorale(0), -1);  // even though 30 has bib 0
    EXPECT_EQ(k.ConcorrenteDaPettorale(7), 31);
    EXPECT_EQ(k.ConcorrenteDaPettorale(8), -1);
    EXPECT_EQ(k.PettoraleDaConcorrente(32, true), 107);
    EXPECT_EQ(k.PettoraleDaConcorrente(32, false), 7);
    EXPECT_EQ(k.PettoraleDaConcorrente(99, false), -1);
}

TEST(RaceStateCategories, LookupsByCodeAndOrder)
{
    clsKrono k;
    auto first = std::make_shared<clsCategoria>();
    first->setCategoria(QStringLiteral("SM"));
    auto second = std::make_shared<clsCategoria>();
    second->setCategoria(QStringLiteral("SF"));
    auto duplicate = std::make_shared<clsCategoria>();
    duplicate->setCategoria(QStringLiteral("SM"));
    k.CategoriaAdd(first);
    k.CategoriaAdd(second);
    k.CategoriaAdd(duplicate);
    EXPECT_EQ(k.CategoriaCount(), 3);
    EXPECT_EQ(k.CategoriaItem(QStringLiteral("SM")), first);
    EXPECT_EQ(k.CategoriaOrdine(QStringLiteral("SF")), 2);
    EXPECT_EQ(k.CategoriaOrdine(QStringLiteral("sf")), -1);
    EXPECT_EQ(k.CategoriaInOrdine(3), duplicate);
    EXPECT_EQ(k.CategoriaInOrdine(4), nullptr);
    EXPECT_EQ(k.CategoriaInOrdine(0), nullptr);
    auto missing = k.CategoriaItem(QStringLiteral("U14"));
    missing->setDescrizione(QStringLiteral("lost"));
    EXPECT_EQ(k.CategoriaCount(), 3);
    EXPECT_EQ(k.CategoriaItem(QStringLiteral("U14"))->Descrizione(), QString());
}

TEST(RaceStateStartLists, RemoveTakesFirstOccurrenceFromExpectedOnly)
{
    clsKrono k;
    addCompetitor(k, 1, 1, {QStringLiteral("SM")});
    addCompetitor(k, 2, 2, {QStringLiteral("SF")});
    k.PartenteAggiungi(1);
    k.PartenteAggiungi(2);
    k.PartenteAggiungi(1);
    k.PartenteRimuovi(1);
    EXPECT_EQ(k.TotalePartentiAttesi(), 2);
    EXPECT_EQ(k.PartenteInPosizione(1), 2);
    EXPECT_EQ(k.PartenteInPosizione(2), 1);
    EXPECT_EQ(k.PartenteInPosizione(3), 0);
    EXPECT_TRUE(k.ConcorrentePartente(1));
    EXPECT_EQ(k.TotalePartenti(1, kAll), 3);
    EXPECT_EQ(k.TotalePartenti(1, QStringLiteral("SM")), 2);
    EXPECT_EQ(k.ConcorrentePartenteInPosizione(1, 2, QStringLiteral("SM")), 1);
    EXPECT_EQ(k.ConcorrentePartenteInPosizione(1, 1, QStringLiteral("SF")), 2);
    EXPECT_EQ(k.ConcorrentePartenteInPosizione(1, 2, QStringLiteral("SF")), -1);
    EXPECT_EQ(k.ConcorrentePartenteInPosizione(7, 3, kAll), 1);
    EXPECT_EQ(k.ConcorrentePartenteInPosizione(7, 4, kAll), -1);
}

TEST(RaceStateStartLists, ThirdPositionOfTwoStartersIsMinusOne)
{
    clsKrono k;
    k.PartenteAggiungi(4);
    k.PartenteAggiungi(5);
    EXPECT_EQ(k.ConcorrentePartenteInPosizione(2, 3, kAll), -1);
    EXPECT_FALSE(k.ConcorrentePartente(6));
}

TEST(RaceStateHeats, PairsAccumulateInOrder)
{
    clsKrono k;
    addCompetitor(k, 12, 12);
    addCompetitor(k, 7, 7);
    k.ElencoCoppieSfideAdd(3, 12);
    k.ElencoCoppieSfideAdd(3, 7);
    k.ElencoCoppieSfideAdd(1, 9);
    EXPECT_EQ(k.ElencoConcorrentiSfida(3), (QList<qint16>{12, 7}));
    EXPECT_EQ(k.ElencoSfide(), (QList<qint16>{3, 1}));
    EXPECT_EQ(k.ConcorrenteParallelo(3, true), 12);
    EXPECT_EQ(k.ConcorrenteParallelo(3, false), 7);
    EXPECT_EQ(k.ConcorrenteParallelo(1, true), 0);   // 9 is not registered
    EXPECT_EQ(k.ConcorrenteParallelo(1, false), 0);  // only one competitor
    EXPECT_EQ(k.ConcorrenteParallelo(8, true), 0);
}

TEST(RaceStateHeats, HeatsAreFoundByNumberWhateverTheirCount)
{
    clsKrono k;
    for (qint16 heat = 17; heat <= 24; ++heat) {
        addCompetitor(k, heat * 2, heat * 2);
        k.ElencoCoppieSfideAdd(heat, heat * 2);
    }
    EXPECT_EQ(k.ElencoConcorrentiSfida(24), (QList<qint16>{48}));
    EXPECT_EQ(k.ConcorrenteParallelo(17, true), 34);
    EXPECT_TRUE(k.ElencoConcorrentiSfida(2).isEmpty());
    EXPECT_EQ(k.ElencoSfide().size(), 8);  // reading an unknown heat registers nothing
}

TEST(RaceStateHeats, HeatsNumberedFromOneAndOthersAreListedByNumber)
{
    clsKrono k;
    k.ElencoCoppieSfideAdd(1, 12);
    k.ElencoCoppieSfideAdd(1, 7);
    k.ElencoCoppieSfideAdd(2, 4);
    k.ElencoCoppieSfideAdd(2, 9);
    EXPECT_EQ(k.ElencoConcorrentiSfida(2), (QList<qint16>{4, 9}));
    EXPECT_EQ(k.ElencoConcorrentiSfida(1), (QList<qint16>{12, 7}));
    EXPECT_TRUE(k.ElencoConcorrentiSfida(3).isEmpty());
    clsKrono later;  // only heats 5 and 6: heat 5 is still found
    later.ElencoCoppieSfideAdd(5, 3);
    later.ElencoCoppieSfideAdd(6, 8);
    EXPECT_EQ(later.ElencoConcorrentiSfida(5), (QList<qint16>{3}));
    EXPECT_EQ(later.ElencoSfide(), (QList<qint16>{5, 6}));
}

TEST(RaceStateRunModes, TrainingTurnsSwitchParallelAndSprintOff)
{
    clsKrono k;
    k.cGara.setParallelo(true);
    k.cGara.setSpecialita(7);
    k.setTurnoCorrenteTipo(3);
    EXPECT_TRUE(k.MancheParallelo());
    EXPECT_TRUE(k.MancheSprint());
    for (qint32 type : {1, 2}) {
        k.setTurnoCorrenteTipo(type);
        EXPECT_FALSE(k.MancheParallelo());
        EXPECT_FALSE(k.MancheSprint());
    }
    k.setTurnoCorrenteTipo(3);
    k.cGara.setSpecialita(5);
    EXPECT_FALSE(k.MancheSprint());
}

}  // namespace
}  // namespace razudar

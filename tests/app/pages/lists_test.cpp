// The results lists and the start list paged screen by screen, the dispatcher's list codes, and
// the standing rows of the running-clock page.
#include "app/pages/element_groups.h"
#include "app/pages/page_codes.h"
#include "app/pages/start_list.h"
#include "pages_fixture.h"

namespace razudar::pagestest {
namespace {

const QString kClassifica = QStringLiteral("Classifica");
const QString kPartenti = QStringLiteral("Partenti");

struct Row {
    const char* position;
    const char* name;
    const char* nation;
    const char* result;
};

TEST_F(Pages, AResultsListIsPagedToTheEndAndOffAir) {
    ASSERT_EQ(state.resources.RigheClassifica, 10);
    state.OpzioneNazionalita = 3;
    pages->MandaInOnda(kCodiceClassificaGrande);
    EXPECT_EQ(onAir(), kClassifica);
    EXPECT_EQ(state.PaginaElencoCorrente, 1);
    EXPECT_EQ(state.UltimoCodiceElenco, kCodiceClassificaGrande);
    EXPECT_EQ(text(kClassifica, QStringLiteral("txtTitolo1")), QStringLiteral("Trofeo delle Dolomiti - Alta Badia"));
    EXPECT_EQ(text(kClassifica, QStringLiteral("txtTitolo2")), QStringLiteral("CLASSIFICA"));
    EXPECT_EQ(text(kClassifica, QStringLiteral("txtTitolo3")), QStringLiteral("Slalom Gigante - 1a Manche"));
    EXPECT_EQ(imagePath(kClassifica, QStringLiteral("imgFederazione")), state.resources.CartellaLoghi + QStringLiteral("FISI.tga"));
    EXPECT_EQ(imagePath(kClassifica, QStringLiteral("imgSpecialita")), state.resources.CartellaSpecialita + QStringLiteral("SA.tga"));
    const Row first[] = {{"1", "HAUGEN HENRIK", "NOR", "1'50.01"}, {"2", "GRUBER MARCO", "AUT", "1'50.02"},
                         {"8", "GIRARD ALEXIS", "FRA", "1'50.08"},   {"9", "ZÜRCHER LOÏC", "SUI", "1'50.10"},
                         {"10", "PICHLER MANUEL", "AUT", "1'50.11"}};
    const int firstRows[] = {1, 2, 8, 9, 10};
    for (int i = 0; i < 5; ++i) {
        const QString n = QString::number(firstRows[i]);
        EXPECT_EQ(text(kClassifica, "txtPosizione" + n), QLatin1String(first[i].position)) << n.toStdString();
        EXPECT_EQ(text(kClassifica, "txtNominativo" + n), QString::fromUtf8(first[i].name)) << n.toStdString();
        EXPECT_EQ(text(kClassifica, "txtNazionalita" + n), QLatin1String(first[i].nation)) << n.toStdString();
        EXPECT_EQ(text(kClassifica, "txtRisultato" + n), QLatin1String(first[i].result)) << n.toStdString();
        EXPECT_TRUE(textVisible(kClassifica, "txtNominativo" + n)) << n.toStdString();
        EXPECT_TRUE(imageVisible(kClassifica, "imgNazionalita" + n)) << n.toStdString();
    }
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();

    // "+": positions 11 and 12; 12 did not finish and leaves an empty row, as do rows 3 to 10.
    pages->MandaInOnda(kCodiceSeguenteClassifica);
    EXPECT_EQ(onAir(), kClassifica);
    EXPECT_EQ(state.PaginaElencoCorrente, 2);
    EXPECT_EQ(text(kClassifica, QStringLiteral("txtPosizione1")), QStringLiteral("11"));
    EXPECT_EQ(text(kClassifica, QStringLiteral("txtNominativo1")), QStringLiteral("EGGER STEFAN"));
    for (int r = 2; r <= 10; ++r) {
        const QString n = QString::number(r);
        EXPECT_TRUE(text(kClassifica, "txtPosizione" + n).isEmpty()) << r;
        EXPECT_TRUE(text(kClassifica, "txtNominativo" + n).isEmpty()) << r;
        EXPECT_TRUE(text(kClassifica, "txtRisultato" + n).isEmpty()) << r;
        EXPECT_FALSE(imageVisible(kClassifica, "imgNazionalita" + n)) << r;
    }
    // "+" past the end takes the list off the air, again and again.
    pages->MandaInOnda(kCodiceSeguenteClassifica);
    EXPECT_TRUE(onAir().isEmpty());
    EXPECT_EQ(state.PaginaElencoCorrente, 2);
    pages->MandaInOnda(kCodiceSeguenteClassifica);
    EXPECT_TRUE(onAir().isEmpty());
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
}

TEST_F(Pages, PlusPastTheArrivedRowsEndsTheListWithoutAnEmptyScreen) {
    ASSERT_EQ(state.resources.RigheClassifica, 10);
    // Bibs 1 to 10 arrived but bib 9, bibs 11 and 12 on course: positions 10 to 12 are in the
    // list but have no row to write.
    for (qint16 c : {111, 112}) {
        auto r = state.krono().ConcorrenteItem(c)->Risultati(1);
        r->setTempo(0);
        r->setStatoConcorrente(10);
    }
    state.krono().ElaboraClassifiche();
    ASSERT_TRUE(RigaDisponibile(*ctx, 11, kElencoClassifica, QStringLiteral("XXXXX")));
    pages->MandaInOnda(kCodiceClassificaGrande);
    ASSERT_EQ(onAir(), kClassifica);
    EXPECT_EQ(text(kClassifica, QStringLiteral("txtNominativo9")), QStringLiteral("ZÜRCHER LOÏC"));
    EXPECT_TRUE(text(kClassifica, QStringLiteral("txtNominativo10")).isEmpty());
    pages->MandaInOnda(kCodiceSeguenteClassifica);
    EXPECT_TRUE(onAir().isEmpty());
    EXPECT_EQ(state.PaginaElencoCorrente, 1);
    pages->MandaInOnda(kCodiceSeguenteClassifica);
    EXPECT_TRUE(onAir().isEmpty());
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
}

TEST_F(Pages, TheGapOptionShowsTheWinnersTimeAndTheGaps) {
    state.OpzioneRisultato = 1;
    state.OpzioneNominativi = 1;
    state.CategoriaSelezionata = QStringLiteral("M");
    pages->MandaInOnda(kCodiceClassificaBassa);
    const QString page = QStringLiteral("ClassificaBassa");
    ASSERT_EQ(onAir(), page);
    EXPECT_EQ(state.UltimoCodiceElenco, kCodiceClassificaBassa);
    EXPECT_EQ(text(page, QStringLiteral("txtTitolo2")), QStringLiteral("CLASSIFICA Maschile"));
    const Row rows[] = {{"1", "Haugen Henrik", "NOR", "1'50.01"},
                        {"2", "De Zordo Luca", "ITA", "+0.02"},
                        {"3", "Lefèvre Clément", "FRA", "+0.04"}};
    for (int r = 1; r <= 3; ++r) {
        const QString n = QString::number(r);
        EXPECT_EQ(text(page, "txtPosizione" + n), QLatin1String(rows[r - 1].position));
        EXPECT_EQ(text(page, "txtNominativo" + n), QString::fromUtf8(rows[r - 1].name));
        EXPECT_EQ(text(page, "txtRisultato" + n), QLatin1String(rows[r - 1].result));
    }
    // "+" keeps the lower third.
    pages->MandaInOnda(kCodiceSeguenteClassifica);
    EXPECT_EQ(onAir(), page);
    EXPECT_EQ(text(page, QStringLiteral("txtPosizione1")), QStringLiteral("4"));
}

TEST_F(Pages, ListCodesActOnTheListOnAir) {
    // A category without ranked competitors: nothing on air, the screen back to 1.
    state.PaginaElencoCorrente = 4;
    state.CategoriaSelezionata = QStringLiteral("NONE");
    pages->MandaInOnda(kCodiceClassificaGrande);
    EXPECT_TRUE(onAir().isEmpty());
    EXPECT_EQ(state.PaginaElencoCorrente, 1);
    state.CategoriaSelezionata = QStringLiteral("XXXXX");
    // "+" with no list on air does nothing; unknown codes do nothing.
    for (qint16 code : {kCodiceSeguenteClassifica, kCodiceSeguentePartenti, qint16(kCodiceDistaccoParallelo + 1),
                        qint16(-1)}) {
        pages->MandaInOnda(code);
        EXPECT_TRUE(onAir().isEmpty()) << code;
        EXPECT_EQ(state.PaginaElencoCorrente, 1) << code;
    }
    // The start list, and "+" (13) on it pages the start list.
    pages->MandaInOnda(kCodiceOrdinePartenza);
    ASSERT_EQ(onAir(), kPartenti);
    EXPECT_EQ(state.UltimoCodiceElenco, kCodiceOrdinePartenza);
    EXPECT_EQ(text(kPartenti, QStringLiteral("txtTitolo2")), QStringLiteral("PARTENTI Slalom Gigante - 1a Manche"));
    EXPECT_EQ(text(kPartenti, QStringLiteral("txtNominativo1")), QStringLiteral("HAUGEN H."));
    EXPECT_EQ(text(kPartenti, QStringLiteral("txtSocieta1")), QStringLiteral("Sci Club 1"));
    // Who did not finish is in the start list like the others.
    EXPECT_EQ(text(kPartenti, QStringLiteral("txtPettorale9")), QStringLiteral("9"));
    pages->MandaInOnda(kCodiceSeguenteClassifica);
    EXPECT_EQ(onAir(), kPartenti);
    EXPECT_EQ(state.PaginaElencoCorrente, 2);
    EXPECT_EQ(text(kPartenti, QStringLiteral("txtPettorale2")), QStringLiteral("12"));
    EXPECT_TRUE(text(kPartenti, QStringLiteral("txtPettorale3")).isEmpty());
    pages->MandaInOnda(kCodiceSeguentePartenti);
    EXPECT_TRUE(onAir().isEmpty());
    // 14 with the results on air pages the results.
    pages->MandaInOnda(kCodiceClassificaGrande);
    pages->MandaInOnda(kCodiceSeguentePartenti);
    EXPECT_EQ(onAir(), kClassifica);
    EXPECT_EQ(text(kClassifica, QStringLiteral("txtPosizione1")), QStringLiteral("11"));
    // In a parallel turn code 2 is the board's, not the start list's.
    state.krono().cGara.setParallelo(true);
    state.krono().setTurnoCorrente(QStringLiteral("PAR"));
    pages->MandaInOnda(kCodiceOrdinePartenza);
    EXPECT_NE(onAir(), kPartenti);
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
}

TEST_F(Pages, StandingRowsShowThePlacesAroundTheSelectedCompetitor) {
    const QString page = QStringLiteral("TempoACorrere");
    ASSERT_TRUE(pages->onAir().CaricaPaginaInOnda(page, 0, false));
    state.ClassificaTCVisibile = true;
    pages->MandaInOnda(kCodiceClassificaTC);  // the top three
    EXPECT_TRUE(imageVisible(page, QStringLiteral("SfondoClassifica")));
    EXPECT_EQ(text(page, QStringLiteral("txtPosizione1")), QStringLiteral("1"));
    EXPECT_EQ(text(page, QStringLiteral("txtPosizione3")), QStringLiteral("3"));
    EXPECT_EQ(textProperty(page, QStringLiteral("txtRisultato3"), 9).toString(), QStringLiteral("nz hh:mm:ss:dc"));
    // Place 11: rows of places 10 and 11; place 12 did not finish, so row 3 keeps place 3.
    state.ConcorrenteSelezionato = 112;
    MostraClassificaTC(*ctx, page, false);
    EXPECT_EQ(text(page, QStringLiteral("txtPosizione1")), QStringLiteral("10"));
    EXPECT_EQ(text(page, QStringLiteral("txtNominativo2")), QStringLiteral("EGGER S."));
    EXPECT_EQ(text(page, QStringLiteral("txtPosizione3")), QStringLiteral("3"));
    EXPECT_TRUE(textVisible(page, QStringLiteral("txtRisultato2")));
    // Code 10 with the switch off hides the rows and clears the switch.
    state.ClassificaTCVisibile = false;
    pages->MandaInOnda(kCodiceClassificaTC);
    EXPECT_FALSE(imageVisible(page, QStringLiteral("SfondoClassifica")));
    EXPECT_FALSE(textVisible(page, QStringLiteral("txtNominativo2")));
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
}

}  // namespace
}  // namespace razudar::pagestest

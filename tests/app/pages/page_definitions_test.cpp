// The demo page definitions hold every object the builders address, of the type they expect,
// rows numbered from 1 without gaps; what no builder shows is visible from the start; every demo
// nation has its flags.
#include <QCoreApplication>
#include <QFile>
#include <QThread>

#include <sqlite3.h>

#include "app/pages/element_groups.h"
#include "app/pages/page_codes.h"
#include "app/pages/results_list.h"
#include "app/pages/start_list.h"
#include "pages_fixture.h"
#include "platform/renderer/video_board.h"
#include "screenshots.h"

namespace razudar::pagestest {
namespace {

QStringList rows(const QStringList& bases, int count) {
    QStringList names;
    for (int r = 1; r <= count; ++r)
        for (const QString& b : bases) names << b + QString::number(r);
    return names;
}

QStringList withMini(QStringList names) {
    QStringList out;
    for (const QString& n : names) {
        out << n;
        if (n.startsWith(QLatin1String("imgNazionalita"))) out << QStringLiteral("imgMini") + n.mid(3);
    }
    return out;
}

const QStringList kTitoli = {"imgSpecialita", "imgFederazione", "txtTitolo1", "txtTitolo2", "txtTitolo3"};

// Every page and the objects its builders address.
std::vector<std::pair<QString, QStringList>> builderObjects(const ProgramState& s) {
    std::vector<std::pair<QString, QStringList>> pages;
    pages.push_back({"Classifica", kTitoli + withMini(rows(CampiRigaClassifica(), s.resources.RigheClassifica))});
    pages.push_back({"ClassificaBassa", kTitoli + withMini(rows(CampiRigaClassifica(), s.resources.RigheClassificaBassa))});
    pages.push_back({"Partenti", kTitoli + withMini(rows(CampiRigaPartenti(), s.resources.RighePartenti))});
    QStringList tc = {"txtTempoACorrere"};
    for (const char* g : {"concorrente", "riferimento", "distacco", "posizione", "manche", "manchePrecedente", "classifica"})
        tc += oggettiGruppo(QLatin1String(g));
    pages.push_back({"TempoACorrere", withMini(tc)});
    QStringList tcp = {"txtTempoACorrere", "SfondoTC"};
    for (const char* lane : {"A", "B"})
        for (const char* b : {"txtPettorale", "txtNominativo", "txtNazionalita", "imgNazionalita", "txtDistacco",
                              "SfondoDistacco", "txtDescrizione", "SfondoDescrizione"})
            tcp << QLatin1String(b) + QLatin1String(lane);
    pages.push_back({"TempoACorrereParallelo", withMini(tcp)});
    QStringList board = {"Titolo1", "Titolo2", "Titolo3"};
    board += rows({"txtPettorale", "txtNominativo", "txtNazionalita", "imgNazionalita", "SfondoConcorrente"}, 8);
    for (int r = 1; r <= 8; ++r)
        for (int i = 1; i <= 2; ++i) board << QStringLiteral("txtTempo%1_%2").arg(i).arg(r) << QStringLiteral("SfondoTempo%1_%2").arg(i).arg(r);
    pages.push_back({"TabelloneParallelo", withMini(board)});
    pages.push_back({"Podio", withMini(rows({"txtCognome", "txtNome", "txtNazionalita", "imgNazionalita"}, 3))});
    pages.push_back({"ConcorrenteScheda", withMini({"imgSpecialita", "txtPosizione", "txtNominativo", "txtNazionalita",
                                                    "imgNazionalita", "txtSocieta", "txtTesto"})});
    pages.push_back({"PaginaPiena", rows({"txtRiga"}, 3)});
    pages.push_back({"PaginaBassa", rows({"txtRiga"}, 4)});
    for (int n = 1; n <= 3; ++n) pages.push_back({QStringLiteral("PaginaLibera%1").arg(n), {}});
    return pages;
}

TEST_F(Pages, EveryBuilderObjectIsOnItsPageWithItsType) {
    EXPECT_EQ(state.resources.RigheClassifica, 10);
    EXPECT_EQ(state.resources.RigheClassificaBassa, 3);
    EXPECT_EQ(state.resources.RighePartenti, 10);
    for (const auto& [page, names] : builderObjects(state)) {
        ASSERT_TRUE(gra->CaricaPagina(page, 0)) << page.toStdString();
        for (const QString& name : names + QStringList{QStringLiteral("Sponsor")}) {
            ASSERT_TRUE(gra->EsisteOggetto(page, name)) << page.toStdString() << ": " << name.toStdString();
            messages.clear();
            // Each object answers the reader of its own type without complaint.
            if (name == QLatin1String("Sponsor")) control->ProprietaAnimazione(page, name, 4);
            else if (name.startsWith(QLatin1String("img")) || name.startsWith(QLatin1String("Sfondo"))) control->ProprietaImmagine(page, name, 4);
            else control->ProprietaTesto(page, name, 4);
            EXPECT_TRUE(messages.isEmpty()) << page.toStdString() << ": " << name.toStdString() << " "
                                            << messages.join(' ').toStdString();
        }
        gra->CancellaArea(0);
    }
}

TEST_F(Pages, WhatNoBuilderShowsIsVisibleFromTheStart) {
    const std::pair<const char*, QStringList> cases[] = {
        {"TempoACorrere", {"txtTempoACorrere", "txtPettorale", "txtNominativo"}},
        {"TempoACorrereParallelo", {"txtTempoACorrere", "txtPettoraleA", "txtNominativoB"}},
        {"Classifica", {"txtTitolo1", "txtTitolo2", "txtTitolo3"}},
        {"ConcorrenteScheda", {"txtPosizione", "txtNominativo", "txtSocieta"}},
        {"PaginaBassa", {"txtRiga1", "txtRiga4"}},
    };
    for (const auto& [page, names] : cases) {
        ASSERT_TRUE(gra->CaricaPagina(QLatin1String(page), 0));
        for (const QString& n : names) EXPECT_TRUE(textVisible(QLatin1String(page), n)) << page << ": " << n.toStdString();
        gra->CancellaArea(0);
    }
    ASSERT_TRUE(gra->CaricaPagina(QStringLiteral("TempoACorrere"), 0));
    EXPECT_TRUE(imageVisible(QStringLiteral("TempoACorrere"), QStringLiteral("SfondoConcorrente")));
    EXPECT_FALSE(textVisible(QStringLiteral("TempoACorrere"), QStringLiteral("txtDistacco")));
}

TEST(DemoGraphics, EveryDemoNationHasItsFlagsAndEveryDisciplineItsImage) {
    const QString folder = QStringLiteral(RAZUDAR_BINARY_DIR "/demo/Razudar/");
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open_v2(RAZUDAR_BINARY_DIR "/demo/Zez.mdb", &db, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
    const auto column = [&](const char* sql) {
        QStringList values;
        sqlite3_stmt* st = nullptr;
        EXPECT_EQ(sqlite3_prepare_v2(db, sql, -1, &st, nullptr), SQLITE_OK) << sql;
        while (st && sqlite3_step(st) == SQLITE_ROW)
            values << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
        sqlite3_finalize(st);
        return values;
    };
    const QStringList nations = column("SELECT DISTINCT co_Nazionalita FROM Concorrenti WHERE co_Nazionalita <> ''");
    const QStringList disciplines = column("SELECT ds_Disciplina FROM Discipline");
    sqlite3_close(db);
    ASSERT_GE(nations.size(), 5);
    for (const QString& n : nations) {
        EXPECT_TRUE(QFile::exists(folder + "Nazionalita/" + n + ".tga")) << n.toStdString();
        EXPECT_TRUE(QFile::exists(folder + "Nazionalita/Miniature/" + n + ".tga")) << n.toStdString();
    }
    for (const QString& d : disciplines) EXPECT_TRUE(QFile::exists(folder + "Specialita/" + d + ".tga")) << d.toStdString();
    for (const char* f : {"Loghi/FIS.tga", "Loghi/FISI.tga", "Sponsor/Sponsor1.avi", "Sponsor/Sponsor2.avi"})
        EXPECT_GT(QFile(folder + QLatin1String(f)).size(), 1000) << f;
}

}  // namespace
}  // namespace razudar::pagestest

namespace razudar::pagestest {
namespace {

// Frames of every page as it goes on air, for a person to look at: set RAZUDAR_SCREENSHOTS to a
// folder outside the repository.
TEST_F(Pages, Screenshots) {
    if (screenshots::folder().isEmpty()) GTEST_SKIP() << "RAZUDAR_SCREENSHOTS not set";
    state.OpzioneNazionalita = 3;
    state.OpzioneNominativi = 0;
    const auto save = [&](const QString& name) {
        // Forty frames: the rows are in and the sponsor clip has begun.
        for (int i = 0; i < 40; ++i) {
            QThread::msleep(2);
            fakes.clock.advanceMs(40);
            control->board()->composeNow();
            QCoreApplication::processEvents();
        }
        screenshots::save(control->board()->outputFrame(), name);
    };
    pages->MandaInOnda(kCodiceClassificaGrande);
    save(QStringLiteral("Classifica"));
    pages->MandaInOnda(kCodiceSeguenteClassifica);
    save(QStringLiteral("Classifica_2"));
    state.OpzioneRisultato = 1;
    pages->MandaInOnda(kCodiceClassificaBassa);
    save(QStringLiteral("ClassificaBassa"));
    pages->MandaInOnda(kCodiceOrdinePartenza);
    save(QStringLiteral("Partenti"));
    for (const char* page : {"Podio", "ConcorrenteScheda", "TempoACorrere", "TempoACorrereParallelo", "TabelloneParallelo",
                             "PaginaPiena", "PaginaBassa", "PaginaLibera1", "PaginaLibera2", "PaginaLibera3"}) {
        ASSERT_TRUE(pages->onAir().CaricaPaginaInOnda(QLatin1String(page), 0, false));
        if (QLatin1String(page) == QLatin1String("TabelloneParallelo")) {
            for (int r = 1; r <= 8; ++r)
                for (const char* o : {"txtPettorale", "txtNominativo", "txtNazionalita", "txtTempo1_", "txtTempo2_",
                                      "SfondoConcorrente", "SfondoTempo1_", "SfondoTempo2_", "imgNazionalita"}) {
                    const QString name = QLatin1String(o) + QString::number(r);
                    if (name.startsWith(QLatin1String("txt"))) gra->setProprietaTesto(QLatin1String(page), name, 4, true);
                    else gra->setProprietaImmagine(QLatin1String(page), name, 4, true);
                }
        }
        if (QLatin1String(page) == QLatin1String("TempoACorrere")) {
            state.ClassificaTCVisibile = true;
            pages->MandaInOnda(kCodiceClassificaTC);
        }
        ASSERT_TRUE(pages->onAir().AvviaPaginaInOnda(QLatin1String(page), QString()));
        pages->onAir().AlternaSponsor(0);
        save(QLatin1String(page));
    }
}

}  // namespace
}  // namespace razudar::pagestest

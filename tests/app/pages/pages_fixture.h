#pragma once
// The page units against the real graphics control (its renderer on the offscreen board, a fake
// clock and waits), over a copy of the demo graphics folder and a small race.
#include <QStringList>
#include <QTemporaryDir>

#include <array>
#include <memory>

#include <gtest/gtest.h>

#include "app/controls/grafica_codes.h"
#include "app/controls/grafica_proxy.h"
#include "app/pages/on_air.h"
#include "app/pages/page_context.h"
#include "app/pages/page_dispatcher.h"
#include "app/program_state.h"
#include "graphics/mirt_gra.h"
#include "platform/fakes/fake_services.h"

namespace razudar::pagestest {

class FakeOnAirHost : public OnAirHost, public SponsorLights {
public:
    bool vgaPreviewChecked() const override { return vga; }
    bool sponsorLit(int slot) const override { return lit[size_t(slot)]; }
    void setSponsorLit(int slot, bool on) override { lit[size_t(slot)] = on; }
    void setStatusPanel(const QString& key, const QString& text) override { status << key + QLatin1Char('=') + text; }
    void graficaLocaleInOnda(const QString& nomePagina) override { hooks << nomePagina; }
    // Every notice shown goes to `status` as "Avvisi=<text>"; `notice` is the one the status bar
    // shows, until its own source takes it down.
    void showNotice(const QString& text, NoticeSource source) override {
        status << QStringLiteral("Avvisi=") + text;
        notice = text;
        noticeSource = source;
    }
    void withdrawNotice(NoticeSource source) override {
        if (source == noticeSource) notice.clear();
    }

    bool vga = false;
    std::array<bool, 2> lit{};
    QStringList status;
    QStringList hooks;
    QString notice;
    NoticeSource noticeSource = NoticeSource::Database;
};

// The race of the tests: 12 competitors of one run, ranked by bib (competitor 100 + bib,
// 1:50.000 + bib hundredths); category "M" holds the odd bibs. Bib 9 did not finish.
void buildRace(clsKrono& k);

struct Pages : ::testing::Test {
    void SetUp() override;
    void TearDown() override;

    // Reads back what the builders wrote.
    QString text(const QString& page, const QString& object);
    bool textVisible(const QString& page, const QString& object);
    bool imageVisible(const QString& page, const QString& object);
    QString imagePath(const QString& page, const QString& object);
    QVariant textProperty(const QString& page, const QString& object, int property);
    QString onAir() const { return state.PaginaInOnda.NomePagina; }
    QString graphics() const { return dir.filePath(QStringLiteral("Razudar")); }

    FakeServices fakes;
    QTemporaryDir dir;
    std::unique_ptr<MirtGRA> control;
    std::unique_ptr<controls::GraficaProxy> gra;
    ProgramState state;
    FakeOnAirHost host;
    std::unique_ptr<PageContext> ctx;
    std::unique_ptr<MandaInOndaDispatcher> pages;
    QStringList messages;  // what the control reported (missing pages and objects)
    QString turnType1 = QStringLiteral("QUA");
    QString turnType2 = QStringLiteral("GAR");
};

}  // namespace razudar::pagestest

// A page's notice on the status bar ends with its fault, through the real graphics control: the
// objects a page lacks are no longer told once another page is on air, the air is cleared, or the
// page is loaded anew whole; a page that could not be loaded is no longer told once it is
// loaded. A build that leaves the fault as it was leaves the notice up.
#include "app/pages/page_codes.h"
#include "page_files.h"
#include "pages_fixture.h"

namespace razudar::pagestest {
namespace {

const QString kTC = QStringLiteral("TempoACorrere");
const QString kClassifica = QStringLiteral("Classifica");

struct PageNoticesEnd : Pages {
    QByteArray read(const QString& page) const { return pagefiles::read(state.resources.CartellaGrafica, page); }
    void write(const QString& page, const QByteArray& bytes) {
        pagefiles::write(state.resources.CartellaGrafica, page, bytes);
    }
    // A live message's update of the clock page on air: it writes the split, not the name.
    void split() {
        state.SplitMostrato = QStringLiteral("1");
        pages->MandaInOnda(kCodiceIntermedio1);
    }
};

TEST_F(PageNoticesEnd, AMissingObjectNoticeEndsWhenThePageOnAirChanges) {
    const QString podio = QStringLiteral("Podio");
    const QString toldTC = QStringLiteral("Pagina TempoACorrere: manca l'oggetto txtNominativo");
    const QString toldPodio = QStringLiteral("Pagina Podio: manca l'oggetto txtNome2");
    // The clock page stays loaded while it is on air (a live message or its button updates it);
    // the podium is loaded anew by its button.
    const struct {
        const char* what;
        const QString& page;
        const char* lacking;
        qint16 code;    // puts the page on air
        bool restored;  // the page file written back whole
        qint16 then;
        const QString& onAirThen;
        bool ended;
    } cases[] = {
        {"restored, updated by a live message", kTC, "txtNominativo", kCodiceStartZero, true, kCodiceIntermedio1, kTC, false},
        {"restored, its button while on air", kTC, "txtNominativo", kCodiceStartZero, true, kCodiceStartZero, kTC, false},
        {"restored and loaded anew", podio, "txtNome2", kCodicePodio, true, kCodicePodio, podio, true},
        {"loaded anew still lacking", podio, "txtNome2", kCodicePodio, false, kCodicePodio, podio, false},
        {"another page on air", kTC, "txtNominativo", kCodiceStartZero, false, kCodicePodio, podio, true},
        {"the air cleared", kTC, "txtNominativo", kCodiceStartZero, false, kCodicePulizia, QString(), true},
    };
    state.ConcorrenteSelezionato = 101;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QByteArray whole = read(c.page);
        const QString told = c.page == kTC ? toldTC : toldPodio;
        write(c.page, pagefiles::withoutObject(whole, QLatin1String(c.lacking)));
        pages->MandaInOnda(c.code);
        ASSERT_EQ(onAir(), c.page);
        ASSERT_EQ(host.notice, told);
        // A build that leaves the page on air as it was leaves the notice up.
        split();
        EXPECT_EQ(host.notice, told);

        if (c.restored) write(c.page, whole);
        if (c.then == kCodiceIntermedio1) split();
        else pages->MandaInOnda(c.then);
        EXPECT_EQ(onAir(), c.onAirThen);
        EXPECT_EQ(host.notice, c.ended ? QString() : told);
        write(c.page, whole);
        pages->MandaInOnda(kCodicePulizia);
        host.notice.clear();
    }
    EXPECT_TRUE(fakes.prompter.texts().isEmpty()) << fakes.prompter.texts().join('\n').toStdString();
}

TEST_F(PageNoticesEnd, APageNotLoadedNoticeEndsWhenThatPageIsLoaded) {
    const QByteArray whole = read(kClassifica);
    const QString told = QStringLiteral("Pagina Classifica non caricata: nessun motivo dal controllo grafico");
    const struct {
        const char* what;
        bool repaired;
        qint16 then;
        const char* onAir;
        bool ended;
    } cases[] = {
        {"another page on air", false, kCodicePodio, "Podio", false},
        {"repaired, another page on air", true, kCodicePodio, "Podio", false},
        {"asked again, still broken", false, kCodiceClassificaGrande, "", false},
        {"repaired and loaded", true, kCodiceClassificaGrande, "Classifica", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        write(kClassifica, "non è una pagina");
        pages->MandaInOnda(kCodiceClassificaGrande);
        ASSERT_EQ(onAir(), QString());
        ASSERT_EQ(host.notice, told);

        if (c.repaired) write(kClassifica, whole);
        pages->MandaInOnda(c.then);
        EXPECT_EQ(onAir(), QLatin1String(c.onAir));
        EXPECT_EQ(host.notice, c.ended ? QString() : told);
        write(kClassifica, whole);
        pages->MandaInOnda(kCodiceClassificaGrande);
        EXPECT_EQ(host.notice, QString());
    }
}

}  // namespace
}  // namespace razudar::pagestest

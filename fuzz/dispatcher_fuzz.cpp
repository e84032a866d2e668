// The link message dispatcher on arbitrary messages against a loaded race: random envelopes,
// command words and fields (huge, negative, non-numeric). Never a crash, and the race state
// stays consistent: after the messages every classification slot of the overall and run
// standings still holds every competitor exactly once.
#include <QCoreApplication>
#include <QString>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "app/controls/link_control.h"
#include "app/link/link_dispatcher.h"
#include "app/pages/page_dispatcher.h"
#include "app/program_state.h"
#include "app/recording_page_dispatcher.h"
#include "data/krono_da_testo.h"
#include "data/object_text_encoder.h"
#include "model/krono.h"
#include "platform/fakes/fake_services.h"

namespace {

using namespace razudar;

void require(bool condition) {
    if (!condition) std::abort();
}

struct NullLink : controls::LinkControl {
    QString ServerRemoto() override { return {}; }
    bool Connesso() override { return true; }
    bool InviaTesto(const QString&, bool) override { return true; }
    void Disconnetti() override {}
};

struct NullHost : DispatcherHost, ParallelGapBox, ConsoleUpdates {
    explicit NullHost(ProgramState& s) : state(s) {}
    void AggiornaClassificheInterfaccia() override { state.krono().ElaboraClassifiche(); }
    void AbilitaPulsantiPagina(bool) override {}
    void setRielaboraEnabled(bool) override {}
    void AggiornaDistaccoParallelo(bool) override {}
    ProgramState& state;
};

const QString kCommands[] = {
    QStringLiteral("AGGIORNACLASSE"),       QStringLiteral("AGGIORNAORARIO"),
    QStringLiteral("RICHIESTACHIAVESESSIONE"), QStringLiteral("TCORRERESTARTPARALLELO"),
    QStringLiteral("TCORREREORARIOSTART"),  QStringLiteral("TCORREREORARIOSTOP"),
    QStringLiteral("TCORRERETEMPO"),        QStringLiteral("TCORREREORARIOINTERMEDIO"),
    QStringLiteral("STATOCONCORRENTE"),
};

void checkConsistent(clsKrono& k) {
    k.ElaboraClassifiche();
    QList<qint16> all = k.ElencoConcorrenti();
    std::sort(all.begin(), all.end());
    for (int slot = 0; slot <= clsKrono::kMaxRankedRuns; ++slot) {
        std::vector<qint16> ranked = k.slotOrder(slot);
        if (ranked.empty()) continue;
        std::sort(ranked.begin(), ranked.end());
        require(ranked.size() == size_t(all.size()));
        require(std::equal(ranked.begin(), ranked.end(), all.begin()));
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const auto seedText = [] {
        return encoder::raceStateText(*encoder::demoRace({.competitors = 10, .runs = 2, .intermediates = 2}));
    }();
    ProgramState state;
    encoder::CountingMonitorSettings monitor;
    state.race.Krono = std::make_shared<clsKrono>();
    {
        KronoDaTestoResult seed = KronoDaTesto(seedText, monitor);
        require(bool(seed));
        state.race.Krono = seed.krono;
    }
    state.ConcorrenteSelezionato = 1003;
    FakeServices fakes;
    NullLink link;
    NullHost host(state);
    RecordingPageDispatcher pages;
    LinkDispatcher dispatcher(state, fakes.services(), link, pages, host, host, host, monitor);

    // Messages are separated by a zero byte. A message's first byte picks a command word (or,
    // past the list, keeps the text's own word); the rest is the payload as Latin-1 text, whose
    // "|" stand for the field separator.
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    for (const QByteArray& piece : bytes.split('\0')) {
        if (piece.isEmpty()) continue;
        const quint8 pick = quint8(piece[0]);
        QString payload = QString::fromLatin1(piece.mid(1));
        payload.replace(QLatin1Char('|'), QStringLiteral("_GRASEPARATORETCORRERE_"));
        if (pick & 0x80) state.PaginaInOnda.NomePagina = (pick & 0x40) ? QStringLiteral("TempoACorrere")
                                                                         : QStringLiteral("TempoACorrereParallelo");
        const size_t index = pick % 12;
        if (index < std::size(kCommands)) {
            dispatcher.onDatiArrivati(kCommands[index] + QStringLiteral("GRAFINEPREFISSO") + payload);
        } else {
            dispatcher.onDatiArrivati(payload);
        }
        if (dispatcher.runTimeDelayActive()) dispatcher.timTempoManche_Timer();
    }
    checkConsistent(state.krono());
    return 0;
}

// Decoding the largest race state the link can carry (just under 1,000,000 characters: about
// 900 competitors with 5 runs and 5 intermediates) and one of half its size, against a baseline
// in the same run that only splits the same text at every marker with std::string_view::find.
// Targets: at most 5x the baseline, and twice the text in at most 2.2x the time.
#include <benchmark/benchmark.h>

#include <QString>

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "bench/ratio_reporter.h"
#include "data/krono_da_testo.h"
#include "data/object_text_encoder.h"
#include "model/krono.h"

namespace {

using namespace razudar;

constexpr qsizetype kLinkLimit = 1000000;  // texts of 1,000,000 characters cannot be framed

QString racePayload(int competitors) {
    encoder::DemoRaceShape shape;
    shape.competitors = competitors;
    shape.runs = 5;
    shape.intermediates = 5;
    shape.categories = 6;
    return encoder::raceStateText(*encoder::demoRace(shape));
}

// The largest demo race whose payload stays under the link's limit.
int largestCompetitorCount() {
    int low = 1;
    int high = 2000;
    while (low < high) {
        const int mid = (low + high + 1) / 2;
        if (racePayload(mid).size() < kLinkLimit) low = mid;
        else high = mid - 1;
    }
    return low;
}

// Splits the text at every marker level (object, sections, item lists, items, values) and
// counts the pieces: the least any decoder must do.
std::size_t splitAtEveryMarker(std::string_view text, std::vector<std::string_view>& scratch) {
    constexpr std::string_view kBegin = "_BF_OG-IN_", kEnd = "_BF_OG-FN_";
    constexpr std::string_view kSection = "_BF_AT_OG_SP_", kListEnd = "_BF_OG-SP_";
    constexpr std::string_view kItem = "_CL_IT-SP_", kValue = "_BF_AT-SP_";
    auto split = [](std::string_view s, std::string_view sep, std::vector<std::string_view>& out) {
        out.clear();
        std::size_t start = 0;
        for (std::size_t at; (at = s.find(sep, start)) != std::string_view::npos; start = at + sep.size())
            out.push_back(s.substr(start, at - start));
        out.push_back(s.substr(start));
    };
    if (text.substr(0, kBegin.size()) != kBegin || text.size() < kBegin.size() + kEnd.size()) return 0;
    std::vector<std::string_view> sections, items;
    split(text.substr(kBegin.size(), text.size() - kBegin.size() - kEnd.size()), kSection, sections);
    std::size_t pieces = 0;
    for (std::string_view section : sections) {
        section = section.substr(0, section.find(kListEnd));
        split(section, kItem, items);
        for (std::string_view item : items) {
            split(item, kValue, scratch);
            pieces += scratch.size();
        }
    }
    return pieces;
}

void decodeBench(benchmark::State& state, const QString& payload) {
    encoder::CountingMonitorSettings monitor;
    for (auto _ : state) {
        KronoDaTestoResult result = KronoDaTesto(payload, monitor);
        if (!result) state.SkipWithError(qPrintable(result.error));
        benchmark::DoNotOptimize(result.krono.get());
    }
    state.counters["chars"] = double(payload.size());
}

void baselineBench(benchmark::State& state, const std::string& payload) {
    std::vector<std::string_view> scratch;
    for (auto _ : state) benchmark::DoNotOptimize(splitAtEveryMarker(payload, scratch));
    state.counters["chars"] = double(payload.size());
}

}  // namespace

int main(int argc, char** argv) {
    const int full = largestCompetitorCount();
    const QString fullPayload = racePayload(full);
    const QString halfPayload = racePayload(full / 2);
    const std::string fullText = fullPayload.toStdString();
    const std::string halfText = halfPayload.toStdString();
    std::printf("full: %d competitors, %lld characters; half: %d competitors, %lld characters\n",
                full, static_cast<long long>(fullPayload.size()), full / 2,
                static_cast<long long>(halfPayload.size()));

    benchmark::RegisterBenchmark("KronoDaTesto/full", decodeBench, fullPayload)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("KronoDaTesto/half", decodeBench, halfPayload)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("SplitBaseline/full", baselineBench, fullText)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("SplitBaseline/half", baselineBench, halfText)->Unit(benchmark::kMillisecond);

    benchmark::Initialize(&argc, argv);
    bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    auto t = reporter.times();
    if (t.count("KronoDaTesto/full") && t.count("SplitBaseline/full") && t.count("KronoDaTesto/half")) {
        std::printf("decoder / baseline (full): %.2fx (target <= 5)\n",
                    t["KronoDaTesto/full"] / t["SplitBaseline/full"]);
        std::printf("decoder full / half: %.2fx for %.2fx the text (target <= 2.2)\n",
                    t["KronoDaTesto/full"] / t["KronoDaTesto/half"],
                    double(fullPayload.size()) / double(halfPayload.size()));
    }
    benchmark::Shutdown();
    return 0;
}

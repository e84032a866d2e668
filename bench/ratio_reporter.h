#pragma once
// A console reporter that keeps the real time of every benchmark, for the ratios a benchmark
// prints at the end: the median of the repetitions when there are several
// (--benchmark_repetitions=5), else the time of the one run.
#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace razudar::bench {

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            const std::string name = run.run_name.str();
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                medianNs_[name] = run.GetAdjustedRealTime();
            else if (run.run_type == Run::RT_Iteration)
                lastNs_[name] = run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }
    // Real time of each benchmark by name, in the unit the benchmark reports.
    std::map<std::string, double> times() const {
        std::map<std::string, double> t = lastNs_;
        for (const auto& [name, ns] : medianNs_) t[name] = ns;
        return t;
    }

private:
    std::map<std::string, double> medianNs_;
    std::map<std::string, double> lastNs_;
};

}  // namespace razudar::bench

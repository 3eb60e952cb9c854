#pragma once
// A console reporter that also remembers each benchmark's time per iteration,
// so that a benchmark program can print ratios against its baseline measured
// in the same run.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <set>
#include <string>

namespace bench {

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        // The median of repeated runs when there is one, else the single run;
        // compared benchmarks must share one time unit.
        for (const Run& run : runs) {
            const std::string& name = run.run_name.function_name;
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
                times_[name] = run.GetAdjustedRealTime();
                medians_.insert(name);
            } else if (run.run_type == Run::RT_Iteration && !medians_.count(name)) {
                times_[name] = run.GetAdjustedRealTime();
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    // Prints "name / baseline = ratio" for two benchmarks of this run. A
    // baseline that repeats its work `baselineRepeats` times per iteration
    // (to steady a short measurement) counts one repeat.
    void PrintRatio(const std::string& name, const std::string& baseline, int baselineRepeats = 1) const {
        const auto measured = times_.find(name);
        const auto base = times_.find(baseline);
        if (measured == times_.end() || base == times_.end() || base->second <= 0 || baselineRepeats <= 0) return;
        const double once = base->second / baselineRepeats;
        std::printf("%s / %s = %.2f\n", name.c_str(), baseline.c_str(), measured->second / once);
    }

private:
    std::map<std::string, double> times_;
    std::set<std::string> medians_;
};

}  // namespace bench

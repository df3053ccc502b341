#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <optional>
#include <string>

// The console reporter, keeping each benchmark's time (the median when run
// with repetitions) so that a program can print ratios at the end.
class MedianReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            if (run.run_type == Run::RT_Iteration && !m_times.count(run.run_name.str()))
                m_times[run.run_name.str()] = run.GetAdjustedRealTime();
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                m_times[run.run_name.str()] = run.GetAdjustedRealTime();
        }
    }

    std::optional<double> Time(const std::string &sName) const
    {
        const auto it = m_times.find(sName);
        return it == m_times.end() ? std::nullopt : std::optional<double>(it->second);
    }

private:
    std::map<std::string, double> m_times;
};

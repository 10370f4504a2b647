#include "RatioReporter.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iomanip>
#include <iostream>
#include <set>

namespace tolmo::bench {

namespace {

std::unique_ptr<benchmark::BenchmarkReporter> displayFor(const std::string& format) {
    if (format == "json") return std::make_unique<benchmark::JSONReporter>();
    if (format == "csv") return std::make_unique<benchmark::CSVReporter>();
    return std::make_unique<benchmark::ConsoleReporter>(
        isatty(fileno(stdout)) ? benchmark::ConsoleReporter::OO_Color : benchmark::ConsoleReporter::OO_None);
}

double microsPerUnit(benchmark::TimeUnit unit) {
    switch (unit) {
        case benchmark::kNanosecond:
            return 1e-3;
        case benchmark::kMicrosecond:
            return 1.0;
        case benchmark::kMillisecond:
            return 1e3;
        case benchmark::kSecond:
            return 1e6;
    }
    return 1.0;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

}  // namespace

std::string benchmarkFormat(int argc, char** argv) {
    static constexpr char kFlag[] = "--benchmark_format=";
    std::string format = "console";
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], kFlag, sizeof kFlag - 1) == 0) format = argv[i] + sizeof kFlag - 1;
    return format;
}

RatioReporter::RatioReporter(const std::string& format)
    : m_display(displayFor(format)), m_summaryToStdout(format == "console") {}

RatioReporter::~RatioReporter() = default;

void RatioReporter::addPair(const std::string& measure, int cases, const std::string& accessBenchmark,
                            const std::string& bareBenchmark) {
    m_pairs.push_back({measure, cases, accessBenchmark, bareBenchmark});
}

bool RatioReporter::ReportContext(const Context& context) {
    m_display->SetOutputStream(&GetOutputStream());
    m_display->SetErrorStream(&GetErrorStream());
    return m_display->ReportContext(context);
}

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
    for (const Run& run : runs) {
        if (run.error_occurred) continue;
        const std::string& name = run.run_name.function_name;
        const double unit = microsPerUnit(run.time_unit);
        const double byClock[] = {run.GetAdjustedRealTime() * unit, run.GetAdjustedCPUTime() * unit};
        for (const Clock clock : {Real, Cpu}) {
            Times& times = m_times[clock][name];
            if (run.run_type == Run::RT_Iteration)
                times.iterations.push_back(byClock[clock]);
            else if (run.aggregate_name == "median")
                times.median = byClock[clock];
        }
    }
    m_display->ReportRuns(runs);
}

void RatioReporter::Finalize() {
    m_display->Finalize();
    std::ostream& out = m_summaryToStdout ? GetOutputStream() : GetErrorStream();
    out << std::fixed;
    printPairs(out);
    printGrowth(out);
    out.flush();
}

double RatioReporter::micros(const std::string& benchmark, Clock clock) const {
    const auto it = m_times[clock].find(benchmark);
    if (it == m_times[clock].end()) return -1.0;
    if (it->second.median >= 0) return it->second.median;
    return it->second.iterations.empty() ? -1.0 : median(it->second.iterations);
}

std::string RatioReporter::sizeLabel(int cases) const {
    int smallest = cases, largest = cases;
    for (const Pair& p : m_pairs) {
        smallest = std::min(smallest, p.cases);
        largest = std::max(largest, p.cases);
    }
    const std::string count = std::to_string(cases) + " cases";
    if (smallest == largest) return count;
    if (cases == smallest) return "small (" + count + ")";
    if (cases == largest) return "large (" + count + ")";
    return count;
}

void RatioReporter::printPairs(std::ostream& out) const {
    for (const Pair& p : m_pairs) {
        if (!ran(p)) continue;
        out << p.measure << ' ' << sizeLabel(p.cases) << ':';
        for (const Clock clock : {Real, Cpu}) {
            const double access = micros(p.access, clock), bare = micros(p.bare, clock);
            out << (clock == Real ? " access " : " (cpu: access ") << std::setprecision(1) << access
                << " us, bare " << bare << " us, ratio " << std::setprecision(2) << access / bare;
        }
        out << ")\n";
    }
}

void RatioReporter::printGrowth(std::ostream& out) const {
    std::set<std::string> done;
    for (const Pair& first : m_pairs) {
        if (!done.insert(first.measure).second) continue;
        const Pair* small = nullptr;
        const Pair* large = nullptr;
        for (const Pair& p : m_pairs) {
            if (p.measure != first.measure || !ran(p)) continue;
            if (!small || p.cases < small->cases) small = &p;
            if (!large || p.cases > large->cases) large = &p;
        }
        if (!small || small == large) continue;
        out << first.measure << " large/small (" << large->cases << '/' << small->cases << " cases):";
        for (const Clock clock : {Real, Cpu})
            out << (clock == Real ? " access " : " (cpu: access ") << std::setprecision(2)
                << micros(large->access, clock) / micros(small->access, clock) << ", bare "
                << micros(large->bare, clock) / micros(small->bare, clock);
        out << ")\n";
    }
}

}  // namespace tolmo::bench

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
        const double micros = run.GetAdjustedRealTime() * microsPerUnit(run.time_unit);
        if (run.run_type == Run::RT_Iteration)
            m_iterationMicros[name].push_back(micros);
        else if (run.aggregate_name == "median")
            m_medianMicros[name] = micros;
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

double RatioReporter::micros(const std::string& benchmark) const {
    if (const auto it = m_medianMicros.find(benchmark); it != m_medianMicros.end()) return it->second;
    if (const auto it = m_iterationMicros.find(benchmark); it != m_iterationMicros.end())
        return median(it->second);
    return -1.0;
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
        const double access = micros(p.access), bare = micros(p.bare);
        if (access < 0 || bare < 0) continue;
        out << p.measure << ' ' << sizeLabel(p.cases) << ": access " << std::setprecision(1) << access
            << " us, bare " << bare << " us, ratio " << std::setprecision(2) << access / bare << '\n';
    }
}

void RatioReporter::printGrowth(std::ostream& out) const {
    std::set<std::string> done;
    for (const Pair& first : m_pairs) {
        if (!done.insert(first.measure).second) continue;
        const Pair* small = nullptr;
        const Pair* large = nullptr;
        for (const Pair& p : m_pairs) {
            if (p.measure != first.measure || micros(p.access) < 0 || micros(p.bare) < 0) continue;
            if (!small || p.cases < small->cases) small = &p;
            if (!large || p.cases > large->cases) large = &p;
        }
        if (!small || small == large) continue;
        out << first.measure << " large/small (" << large->cases << '/' << small->cases << " cases): access "
            << std::setprecision(2) << micros(large->access) / micros(small->access) << ", bare "
            << micros(large->bare) / micros(small->bare) << '\n';
    }
}

}  // namespace tolmo::bench

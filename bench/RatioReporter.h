#pragma once
// Shows the benchmarks as Google Benchmark would, then a summary that sets each measure through
// the access layer beside the same work by bare SQL, and the large firm beside the small one.

#include <benchmark/benchmark.h>

#include <iosfwd>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace tolmo::bench {

class RatioReporter : public benchmark::BenchmarkReporter {
public:
    /// The display Google Benchmark would use for --benchmark_format=`format` (console, json or
    /// csv). The summary goes to stdout after a console display, to stderr otherwise.
    explicit RatioReporter(const std::string& format);
    ~RatioReporter() override;

    /// One measure on the firm of `cases` cases, by the access layer and by bare SQL; the names
    /// are those the two benchmarks were registered with.
    void addPair(const std::string& measure, int cases, const std::string& accessBenchmark,
                 const std::string& bareBenchmark);

    bool ReportContext(const Context& context) override;
    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

private:
    struct Pair {
        std::string measure;
        int cases;
        std::string access;
        std::string bare;
    };
    /// Wall-clock time, and the time this process spent on the CPU (without the PostgreSQL
    /// server's): the latter tells more when other programs share the machine.
    enum Clock { Real, Cpu };
    struct Times {
        std::vector<double> iterations;
        double median = -1.0;
    };
    /// Time per iteration in microseconds; negative when the benchmark did not run.
    double micros(const std::string& benchmark, Clock clock) const;
    bool ran(const Pair& p) const { return micros(p.access, Real) >= 0 && micros(p.bare, Real) >= 0; }
    std::string sizeLabel(int cases) const;
    void printPairs(std::ostream& out) const;
    void printGrowth(std::ostream& out) const;

    std::unique_ptr<benchmark::BenchmarkReporter> m_display;
    bool m_summaryToStdout;
    std::vector<Pair> m_pairs;
    std::map<std::string, Times> m_times[2];
};

/// The value of --benchmark_format=... in argv, "console" when absent.
std::string benchmarkFormat(int argc, char** argv);

}  // namespace tolmo::bench

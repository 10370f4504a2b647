// tolmo_bench [--sizes=1000,100000] [--pg] [--benchmark_...]

#include <QCoreApplication>
#include <cstdio>
#include <exception>
#include <vector>

#include "BenchOptions.h"
#include "CaseBenchmarks.h"
#include "ComponentBenchmarks.h"
#include "FirmCache.h"
#include "RatioReporter.h"

int main(int argc, char** argv) {
    using namespace tolmo::bench;
    int qtArgc = 1;
    QCoreApplication app(qtArgc, argv);  // the SQL drivers are plugins
    try {
        const BenchOptions options = takeBenchOptions(argc, argv);
        std::vector<char*> args = benchmarkArguments(argc, argv);
        int count = static_cast<int>(args.size()) - 1;
        RatioReporter reporter(benchmarkFormat(count, args.data()));
        benchmark::Initialize(&count, args.data());
        if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;
        const std::string engine = options.engine == Engine::SQLite ? "sqlite" : "postgresql";
        for (const int cases : options.sizes) {
            tolmo::ConnectionPtr firm = openFirm(options.engine, cases);
            const QString url = firm->connectionString();
            registerCaseBenchmarks(std::move(firm), cases, engine, reporter);
            registerComponentBenchmarks(url, cases, engine, reporter);
        }
        benchmark::RunSpecifiedBenchmarks(&reporter);
        benchmark::Shutdown();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "tolmo_bench: %s\n", error.what());
        return 1;
    }
    return 0;
}

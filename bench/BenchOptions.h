#pragma once
// The options of tolmo_bench beside Google Benchmark's own: --sizes=1000,100000 and --pg.

#include <vector>

#include "FirmCache.h"

namespace tolmo::bench {

struct BenchOptions {
    std::vector<int> sizes = {1000, 100000};  ///< firms by number of cases, in increasing order
    Engine engine = Engine::SQLite;
};

/// Takes tolmo_bench's own options out of argv, leaving the rest for Google Benchmark.
/// Throws std::invalid_argument on a malformed --sizes.
BenchOptions takeBenchOptions(int& argc, char** argv);

/// The arguments for Google Benchmark: this program's defaults first, so that the caller's own
/// flags override them. By default each benchmark runs five times in random order with the
/// others and only the statistics are shown: the machine may be busy with other work, and
/// interleaving keeps a slow spell from falling on one benchmark only. Ends with a null pointer.
std::vector<char*> benchmarkArguments(int argc, char** argv);

}  // namespace tolmo::bench

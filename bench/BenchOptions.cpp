#include "BenchOptions.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <string>

namespace tolmo::bench {

namespace {

std::vector<int> parseSizes(const std::string& list) {
    std::vector<int> sizes;
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t comma = std::min(list.find(',', start), list.size());
        const std::string item = list.substr(start, comma - start);
        std::size_t used = 0;
        int cases = 0;
        try {
            cases = std::stoi(item, &used);
        } catch (const std::exception&) {
            used = 0;
        }
        if (used == 0 || used != item.size() || cases <= 0)
            throw std::invalid_argument("--sizes wants positive case counts separated by commas, not '" +
                                        list + "'");
        sizes.push_back(cases);
        start = comma + 1;
    }
    std::sort(sizes.begin(), sizes.end());
    sizes.erase(std::unique(sizes.begin(), sizes.end()), sizes.end());
    return sizes;
}

}  // namespace

BenchOptions takeBenchOptions(int& argc, char** argv) {
    static constexpr char kSizes[] = "--sizes=";
    BenchOptions options;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (std::strncmp(arg, kSizes, sizeof kSizes - 1) == 0)
            options.sizes = parseSizes(arg + sizeof kSizes - 1);
        else if (std::strcmp(arg, "--pg") == 0)
            options.engine = Engine::PostgreSQL;
        else
            argv[kept++] = argv[i];
    }
    argc = kept;
    argv[argc] = nullptr;
    return options;
}

std::vector<char*> benchmarkArguments(int argc, char** argv) {
    static char repetitions[] = "--benchmark_repetitions=5";
    static char interleaving[] = "--benchmark_enable_random_interleaving=true";
    static char aggregatesOnly[] = "--benchmark_report_aggregates_only=true";
    std::vector<char*> args = {argv[0], repetitions, interleaving, aggregatesOnly};
    args.insert(args.end(), argv + 1, argv + argc);
    args.push_back(nullptr);
    return args;
}

}  // namespace tolmo::bench

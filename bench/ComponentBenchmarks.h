#pragma once
// The case form's own work on a small and a large firm: showing a case, confirming a new
// and a modified one, opening a type-ahead party list; each beside the bare SQL it needs.

#include <string>

#include "RatioReporter.h"
#include "access/TolmoAccess.h"

namespace tolmo::bench {

/// Registers the component benchmarks on the firm of `cases` cases reachable at `url`.
void registerComponentBenchmarks(const QString& url, int cases, const std::string& engine,
                                 RatioReporter& reporter);

}  // namespace tolmo::bench

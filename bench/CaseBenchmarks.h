#pragma once
// Reading one case and adding one case, through the access layer and by bare SQL.

#include <string>

#include "RatioReporter.h"
#include "access/TolmoAccess.h"

namespace tolmo::bench {

/// Registers the case benchmarks on the firm of `cases` cases open on `conn`, and tells
/// `reporter` which of them pair up. `engine` names the engine in the benchmark names.
void registerCaseBenchmarks(ConnectionPtr conn, int cases, const std::string& engine,
                            RatioReporter& reporter);

}  // namespace tolmo::bench

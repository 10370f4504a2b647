#pragma once
// Large firms kept between benchmark runs: generated the first time they are asked for, and
// generated again only when the schema or the generator changed.

#include "access/TolmoAccess.h"

namespace tolmo::bench {

enum class Engine { SQLite, PostgreSQL };

/// The firm of `cases` cases: on SQLite the file bench-data/firm-<cases>.sqlite of the build
/// directory, on PostgreSQL the database tolmo_bench_<cases> of the server named by the
/// environment variable TOLMO_BENCH_PG_URL (postgresql://USER@HOST:PORT/postgres).
/// A firm is built under a temporary name and renamed only when complete; the time it took is
/// written to stderr. Throws DbError, or std::runtime_error when TOLMO_BENCH_PG_URL is missing.
ConnectionPtr openFirm(Engine engine, int cases);

}  // namespace tolmo::bench

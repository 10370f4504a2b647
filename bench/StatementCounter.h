#pragma once
// How many statements the access layer runs for one benchmark iteration.

#include <benchmark/benchmark.h>

#include "access/TolmoAccess.h"

namespace tolmo::bench {

/// Counts the statements the connection runs while it lives (BEGIN and ROLLBACK included) and
/// reports them per iteration as the counter "statements".
class StatementCounter {
public:
    StatementCounter(benchmark::State& state, Connection& conn) : m_state(state), m_conn(conn) {
        m_conn.setStatementObserver([this](const QString&) { ++m_count; });
    }
    ~StatementCounter() {
        m_conn.setStatementObserver({});
        m_state.counters["statements"] =
            benchmark::Counter(static_cast<double>(m_count), benchmark::Counter::kAvgIterations);
    }
    StatementCounter(const StatementCounter&) = delete;
    StatementCounter& operator=(const StatementCounter&) = delete;

private:
    benchmark::State& m_state;
    Connection& m_conn;
    long m_count = 0;
};

}  // namespace tolmo::bench

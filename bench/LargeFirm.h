#pragma once
// A large, realistic, always identical firm generated into a database that already has the
// schema (and possibly the demo firm, which it is added to).

#include <QtGlobal>
#include <cstdint>

#include "access/TolmoAccess.h"

namespace tolmo::bench {

struct FirmShape {
    static constexpr int kPartiesPerCase = 10;
    static constexpr int kAgendaEntriesPerCase = 20;
    static constexpr int kInvoicesPerCase = 3;

    int cases = 100000;
    qint64 parties() const { return qint64{kPartiesPerCase} * cases; }
    qint64 agendaEntries() const { return qint64{kAgendaEntriesPerCase} * cases; }
    qint64 invoices() const { return qint64{kInvoicesPerCase} * cases; }
    /// Each case has one additional party in MultiIntesta, those of hasThreeExtraParties() three.
    qint64 extraParties() const {
        return cases + 2LL * ((cases + kThreeExtraPartiesEvery - 1) / kThreeExtraPartiesEvery);
    }

    static constexpr int kThreeExtraPartiesEvery = 10;
    /// The known subset of cases with three additional parties: every tenth generated case,
    /// counting from 0 (`ordinal` is the position among the generated cases).
    static bool hasThreeExtraParties(int ordinal) { return ordinal % kThreeExtraPartiesEvery == 0; }
};

/// The keys the generated rows were given.
struct GeneratedFirm {
    int firstCaseId = 0;
    int lastCaseId = 0;
    int firstPartyId = 0;
    int lastPartyId = 0;
};

constexpr std::uint64_t kFirmSeed = 20240917;

/// Adds `shape` to the firm on `conn` inside one transaction, with bound values only. On SQLite
/// the connection is left with synchronous=OFF: it is meant for a database being built.
/// Throws DbError.
GeneratedFirm generateLargeFirm(Connection& conn, const FirmShape& shape, std::uint64_t seed = kFirmSeed);

}  // namespace tolmo::bench

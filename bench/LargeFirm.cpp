#include "LargeFirm.h"

#include "FirmRows.h"
#include "Results.h"
#include "schema/demo/BatchInsert.h"
#include "schema/demo/Rows.h"

namespace tolmo::bench {

namespace {

using schema::demo::BatchInsert;

/// The key the next row of `table` gets.
int nextKey(Connection& conn, const QString& table, const QString& key) {
    return scalar(conn, QStringLiteral("SELECT COALESCE(MAX(%1), 0) FROM %2").arg(key, table)).toInt() + 1;
}

void prepareForBulkLoad(Connection& conn) {
    if (conn.dialect() != Dialect::SQLite) return;
    conn.query(QStringLiteral("PRAGMA synchronous=OFF"));
    conn.query(QStringLiteral("PRAGMA cache_size=-524288"));
    conn.query(QStringLiteral("PRAGMA temp_store=MEMORY"));
}

void writeParties(Connection& conn, FirmDraft& d, const FirmShape& shape) {
    BatchInsert rows(conn, QStringLiteral("Anagrafica"), party::columns());
    d.firstPartyId = nextKey(conn, QStringLiteral("Anagrafica"), QStringLiteral("ID_Ana"));
    d.parties.reserve(static_cast<std::size_t>(shape.parties()));
    for (qint64 i = 0; i < shape.parties(); ++i)
        rows.add(party::row(d, d.firstPartyId + static_cast<int>(i)));
    rows.flush();
}

/// Each case with its additional parties, agenda entries and invoices.
int writeCases(Connection& conn, FirmDraft& d, const FirmShape& shape) {
    BatchInsert cases(conn, QStringLiteral("Pratica"), pratica::columns());
    BatchInsert extras(conn, QStringLiteral("MultiIntesta"), extraParty::columns());
    BatchInsert entries(conn, QStringLiteral("Scadenze"), agenda::columns());
    BatchInsert invoices(conn, QStringLiteral("Fatture"), invoice::columns());
    BatchInsert services(conn, QStringLiteral("PrestazioniAR"), aml::serviceColumns());
    BatchInsert identifications(conn, QStringLiteral("AnagraficaAR"), aml::identificationColumns());
    BatchInsert subjects(conn, QStringLiteral("SoggettiAntiRiciclaggio"), aml::subjectColumns());
    QList<aml::Professional> professionals = aml::professionals(conn);
    aml::Keys amlKeys{nextKey(conn, QStringLiteral("PrestazioniAR"), QStringLiteral("id_prest")),
                      nextKey(conn, QStringLiteral("AnagraficaAR"), QStringLiteral("id_ar")),
                      nextKey(conn, QStringLiteral("SoggettiAntiRiciclaggio"), QStringLiteral("ID_SAR"))};
    const int firstCase = nextKey(conn, QStringLiteral("Pratica"), QStringLiteral("ID_Pra"));
    int extraId = nextKey(conn, QStringLiteral("MultiIntesta"), QStringLiteral("ID_Multi"));
    int entryId = nextKey(conn, QStringLiteral("Scadenze"), QStringLiteral("Codice_Sca"));
    int invoiceId = nextKey(conn, QStringLiteral("Fatture"), QStringLiteral("ID_Fattura"));
    for (int ordinal = 0; ordinal < shape.cases; ++ordinal) {
        const CaseDraft c = pratica::draft(d, firstCase + ordinal, ordinal, shape.cases);
        cases.add(pratica::row(d, c));
        const int extraCount = FirmShape::hasThreeExtraParties(ordinal) ? 3 : 1;
        for (int k = 0; k < extraCount; ++k) extras.add(extraParty::row(d, c, extraId++));
        for (int k = 0; k < FirmShape::kAgendaEntriesPerCase; ++k) entries.add(agenda::row(d, c, entryId++));
        for (int n = 0; n < FirmShape::kInvoicesPerCase; ++n)
            invoices.add(invoice::row(d, c, invoiceId++, n));
        if (aml::registered(ordinal) && !professionals.isEmpty()) {
            const aml::Rows r = aml::rows(d, c, professionals, amlKeys);
            services.add(r.service);
            identifications.add(r.identification);
            subjects.add(r.subject);
        }
    }
    cases.flush();
    extras.flush();
    entries.flush();
    invoices.flush();
    services.flush();
    identifications.flush();
    subjects.flush();
    return firstCase;
}

}  // namespace

GeneratedFirm generateLargeFirm(Connection& conn, const FirmShape& shape, std::uint64_t seed) {
    prepareForBulkLoad(conn);
    FirmDraft draft(Catalogue::read(conn), seed);
    GeneratedFirm firm;
    {
        Transaction transaction(conn);
        writeParties(conn, draft, shape);
        firm.firstCaseId = writeCases(conn, draft, shape);
        // The rows were given their keys explicitly: PostgreSQL's identities must carry on after them.
        schema::demo::syncIdentities(conn);
        transaction.commit();
    }
    // Fresh statistics, so that the planner sees a large firm rather than an empty database; on
    // PostgreSQL the visibility map too, as the server's autovacuum keeps it on a firm in use,
    // so that the party look-ups can read their covering indexes alone.
    conn.Execute(conn.dialect() == Dialect::PostgreSQL ? QStringLiteral("VACUUM ANALYZE")
                                                       : QStringLiteral("ANALYZE"));
    firm.lastCaseId = firm.firstCaseId + shape.cases - 1;
    firm.firstPartyId = draft.firstPartyId;
    firm.lastPartyId = draft.firstPartyId + static_cast<int>(shape.parties()) - 1;
    return firm;
}

}  // namespace tolmo::bench

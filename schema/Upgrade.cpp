// Archives of an older schema brought to the current one, each version's step in turn, all in
// one transaction. Version 1 is every archive made before the schema recorded its version.

#include <QSqlQuery>

#include "Schema.h"
#include "access/RowVersion.h"
#include "access/SearchKey.h"
#include "access/TableLayout.h"

namespace tolmo::schema {

namespace {

bool hasTable(Connection& c, const QString& name) {
    return c.database().tables(QSql::Tables).contains(name, Qt::CaseInsensitive);
}

const TableInfo& definito(const QString& name) {
    const TableInfo* t = table(name);
    if (!t)
        throw DbError(QStringLiteral("Tabella %1 assente dalla definizione.").arg(name),
                      QStringLiteral("schema"), -1);
    return *t;
}

void aggiungiColonna(Connection& c, const QString& tabella, const QString& colonna) {
    const TableInfo& t = definito(tabella);
    c.Execute(QStringLiteral("ALTER TABLE %1 ADD COLUMN %2")
                  .arg(t.name, columnDdl(t, *t.column(colonna), c.dialect())));
}

/// Creates the index of `tabella` whose first column is `prima`, as the definition has it.
void creaIndice(Connection& c, const QString& tabella, const QString& prima) {
    const TableInfo& t = definito(tabella);
    for (const IndexInfo& ix : t.indexes)
        if (ix.columns.value(0).compare(prima, Qt::CaseInsensitive) == 0)
            c.Execute(indexDdl(t, ix, c.dialect()));
}

/// Writes the search keys of the texts `sources` in every row of `tabella`. The step names its
/// own columns: a later version's keys are not there yet.
void scriviChiavi(Connection& c, const QString& tabella, const QStringList& sources) {
    const TableInfo& t = definito(tabella);
    QStringList keys;
    for (const QString& source : sources) keys << colonnaChiave(source);
    QList<QVariantList> rows;
    {
        QSqlQuery q =
            c.query(QStringLiteral("SELECT %1, %2 FROM %3").arg(t.primaryKey, sources.join(u", "), t.name));
        while (q.next()) {
            QVariantList row;
            for (qsizetype i = 0; i < sources.size(); ++i)
                row << chiaveRicerca(q.value(static_cast<int>(i) + 1).toString());
            row << q.value(0);
            rows << row;
        }
    }
    QStringList sets;
    for (const QString& key : keys) sets << key + QStringLiteral(" = ?");
    const QString sql =
        QStringLiteral("UPDATE %1 SET %2 WHERE %3 = ?").arg(t.name, sets.join(u", "), t.primaryKey);
    for (const QVariantList& row : rows) c.Execute(sql, row);
}

/// 1 to 2: the look-ups' search keys (surname, first name, position, subject) with their
/// indexes, and the firm's summer suspension of terms.
void versione2(Connection& c) {
    // Each table with the texts that get a key.
    const QList<std::pair<QString, QStringList>> testi = {
        {QStringLiteral("Anagrafica"), {QStringLiteral("Cognome"), QStringLiteral("Nome")}},
        {QStringLiteral("Pratica"), {QStringLiteral("Posizione")}},
        {QStringLiteral("OggettoPratica"), {QStringLiteral("Oggetto")}},
    };
    for (const auto& [tabella, colonne] : testi) {
        for (const QString& colonna : colonne) aggiungiColonna(c, tabella, colonnaChiave(colonna));
        scriviChiavi(c, tabella, colonne);
    }
    aggiungiColonna(c, QStringLiteral("ConfigGenerale"), QStringLiteral("SospensioneFeriale"));
    // The surname indexes give way to the one on the keys.
    for (const char* old :
         {"IX_Anagrafica_Cognome_Nome", "IX_Anagrafica_Cognome_Ricerca", "IX_OggettoPratica_Oggetto"})
        c.Execute(QStringLiteral("DROP INDEX IF EXISTS ") + QLatin1String(old));
    creaIndice(c, QStringLiteral("Anagrafica"), QStringLiteral("CognomeRicerca"));
    creaIndice(c, QStringLiteral("Pratica"), QStringLiteral("PosizioneRicerca"));
    creaIndice(c, QStringLiteral("OggettoPratica"), QStringLiteral("OggettoRicerca"));
}

/// 2 to 3: the court fee's amount, kept until now as the text typed, becomes an amount. A text
/// that is no amount is dropped rather than guessed at.
void versione3(Connection& c) {
    const QString vecchia = QStringLiteral("ImportoContributoTesto");
    c.Execute(QStringLiteral("ALTER TABLE Pratica RENAME COLUMN ImportoContributo TO ") + vecchia);
    aggiungiColonna(c, QStringLiteral("Pratica"), QStringLiteral("ImportoContributo"));
    QList<QVariantList> rows;
    {
        QSqlQuery q =
            c.query(QStringLiteral("SELECT ID_Pra, %1 FROM Pratica WHERE %1 IS NOT NULL").arg(vecchia));
        while (q.next())
            if (const auto importo = Currency::parse(q.value(1).toString().trimmed()))
                rows << QVariantList{importo->toDouble(), q.value(0)};
    }
    for (const QVariantList& row : rows)
        c.Execute(QStringLiteral("UPDATE Pratica SET ImportoContributo = ? WHERE ID_Pra = ?"), row);
    c.Execute(QStringLiteral("ALTER TABLE Pratica DROP COLUMN ") + vecchia);
}

/// 3 to 4: the row versions that tell a save another workstation changed the row meanwhile.
void versione4(Connection& c) {
    for (const char* tabella : {"Pratica", "MultiIntesta", "EstremiPagamento", "PrestazioniAR"})
        if (c.layout(QLatin1String(tabella))->indexOf(kVersioneRiga) < 0)  // a counter is a counter
            aggiungiColonna(c, QLatin1String(tabella), kVersioneRiga);
}

}  // namespace

int versioneArchivio(Connection& c) {
    if (!hasTable(c, QStringLiteral("VersioneSchema"))) return 1;
    QSqlQuery q = c.query(QStringLiteral("SELECT MAX(Versione) FROM VersioneSchema"));
    return q.next() && !q.value(0).isNull() ? q.value(0).toInt() : 1;
}

void aggiornaArchivio(Connection& c, int from) {
    using Passo = void (*)(Connection&);
    static const Passo passi[] = {nullptr, nullptr, versione2, versione3,
                                  versione4};  // passi[v]: from v - 1 to v
    Transaction transaction(c);
    if (!hasTable(c, QStringLiteral("VersioneSchema")))
        c.Execute(ddl(c.dialect()).filter(QStringLiteral("CREATE TABLE VersioneSchema")).value(0));
    for (int v = from + 1; v <= kVersioneSchema; ++v) passi[v](c);
    c.Execute(QStringLiteral("DELETE FROM VersioneSchema"));
    c.Execute(QStringLiteral("INSERT INTO VersioneSchema (Versione) VALUES (?)"), {kVersioneSchema});
    transaction.commit();
}

}  // namespace tolmo::schema

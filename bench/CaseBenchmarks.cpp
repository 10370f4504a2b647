#include "CaseBenchmarks.h"

#include <QDate>
#include <QSqlQuery>
#include <memory>
#include <stdexcept>
#include <vector>

#include "Prng.h"
#include "Results.h"
#include "StatementCounter.h"

namespace tolmo::bench {

namespace {

/// What each benchmark shares: the firm and the cases it reads, spread over the whole table.
struct Firm {
    ConnectionPtr conn;
    std::vector<int> caseIds;
};

constexpr int kSampledCases = 4096;
constexpr std::uint64_t kSampleSeed = 7;

std::shared_ptr<Firm> sampleFirm(ConnectionPtr conn) {
    auto firm = std::make_shared<Firm>();
    firm->conn = std::move(conn);
    std::vector<int> all;
    forEachRow(*firm->conn, QStringLiteral("SELECT ID_Pra FROM Pratica"), {},
               [&all](const QSqlQuery& q) { all.push_back(q.value(0).toInt()); });
    if (all.empty()) throw std::runtime_error("the firm has no case to read");
    Prng rng(kSampleSeed);
    for (int i = 0; i < kSampledCases; ++i)
        firm->caseIds.push_back(all[static_cast<std::size_t>(rng.below(static_cast<int>(all.size())))]);
    return firm;
}

/// The fields a case read looks at.
struct CaseFields {
    QString posizione;
    int client = 0;
    QString stato;
    double valore = 0;
    QDate dataInizio;
};

/// The columns a new case is given, the same through either path.
const QList<QPair<QString, QVariant>>& newCase() {
    static const QList<QPair<QString, QVariant>> values = {
        {"Posizione", "2024/BENCH"},
        {"NumPos", 999999},
        {"ID_Cliente", 2},
        {"ID_Controparte", 3},
        {"ControCognome", "Esposito"},
        {"ControNome", "Gennaro"},
        {"ID_Cla", 1},
        {"Stato", "Aperta"},
        {"Valore", 15000.5},
        {"Valuta", "EURO"},
        {"Rilevanza", 100},
        {"DataInizio", QDate(2024, 9, 17)},
        {"Oggetto", "Risarcimento danni da circolazione stradale"},
        {"CodiceOggetto", "010001"},
        {"Note", "Pratica di prova: l'inserimento viene annullato"},
    };
    return values;
}

QString bareInsert() {
    QStringList columns, markers;
    for (const auto& [column, value] : newCase()) {
        columns << column;
        markers << QStringLiteral("?");
    }
    return QStringLiteral("INSERT INTO Pratica (%1) VALUES (%2) RETURNING ID_Pra")
        .arg(columns.join(QLatin1Char(',')), markers.join(QLatin1Char(',')));
}

void readCaseAccess(benchmark::State& state, const Firm& firm) {
    const StatementCounter counter(state, *firm.conn);
    std::size_t next = 0;
    for (auto _ : state) {
        const int id = firm.caseIds[next++ % firm.caseIds.size()];
        AccessoDati dati;
        dati.Apri(firm.conn, QStringLiteral("SELECT * FROM Pratica WHERE ID_Pra = ") + QString::number(id),
                  adLockReadOnly);
        if (dati.recordset().Eof()) {
            state.SkipWithError("case not found");
            break;
        }
        CaseFields fields{dati.Campo(QStringLiteral("Posizione")).toString(),
                          dati.Campo(QStringLiteral("ID_Cliente")).toInt(),
                          dati.Campo(QStringLiteral("Stato")).toString(),
                          dati.Campo(QStringLiteral("Valore")).toDouble(),
                          dati.Campo(QStringLiteral("DataInizio")).toDate()};
        dati.Chiudi();
        benchmark::DoNotOptimize(fields);
    }
}

void readCaseBare(benchmark::State& state, const Firm& firm) {
    std::size_t next = 0;
    for (auto _ : state) {
        const int id = firm.caseIds[next++ % firm.caseIds.size()];
        QSqlQuery q(firm.conn->database());
        q.setForwardOnly(true);
        q.prepare(QStringLiteral("SELECT * FROM Pratica WHERE ID_Pra = ?"));
        q.addBindValue(id);
        if (!q.exec() || !q.next()) {
            state.SkipWithError("case not found");
            break;
        }
        CaseFields fields{
            q.value(QStringLiteral("Posizione")).toString(), q.value(QStringLiteral("ID_Cliente")).toInt(),
            q.value(QStringLiteral("Stato")).toString(), q.value(QStringLiteral("Valore")).toDouble(),
            q.value(QStringLiteral("DataInizio")).toDate()};
        benchmark::DoNotOptimize(fields);
    }
}

/// The new case is rolled back at once, so that the table keeps its size.
void addCaseAccess(benchmark::State& state, const Firm& firm) {
    const StatementCounter counter(state, *firm.conn);
    for (auto _ : state) {
        Transaction transaction(*firm.conn);
        Recordset cases(firm.conn, QStringLiteral("Pratica"), adLockBatchOptimistic);
        cases.AddNew();
        for (const auto& [column, value] : newCase()) cases.setValue(column, value);
        cases.Update();
        const int id = cases.value(QStringLiteral("ID_Pra")).toInt();
        if (id <= 0) {
            state.SkipWithError("no key for the new case");
            break;
        }
        benchmark::DoNotOptimize(id);
        cases.Close();
    }
}

void addCaseBare(benchmark::State& state, const Firm& firm) {
    const QString sql = bareInsert();
    for (auto _ : state) {
        Transaction transaction(*firm.conn);
        QSqlQuery q(firm.conn->database());
        q.setForwardOnly(true);
        q.prepare(sql);
        for (const auto& [column, value] : newCase()) q.addBindValue(value);
        if (!q.exec() || !q.next()) {
            state.SkipWithError("insert failed");
            break;
        }
        const int id = q.value(0).toInt();
        benchmark::DoNotOptimize(id);
    }
}

using Body = void (*)(benchmark::State&, const Firm&);

void registerPair(const std::shared_ptr<Firm>& firm, int cases, const std::string& engine,
                  const std::string& measure, Body access, Body bare, RatioReporter& reporter) {
    const std::string suffix = "/" + engine + "/" + std::to_string(cases);
    const std::string accessName = measure + "/access" + suffix;
    const std::string bareName = measure + "/bare" + suffix;
    for (const auto& [name, body] : {std::pair{accessName, access}, std::pair{bareName, bare}})
        benchmark::RegisterBenchmark(name.c_str(),
                                     [firm, body = body](benchmark::State& s) { body(s, *firm); })
            ->Unit(benchmark::kMicrosecond)
            ->UseRealTime();
    reporter.addPair(measure, cases, accessName, bareName);
}

}  // namespace

void registerCaseBenchmarks(ConnectionPtr conn, int cases, const std::string& engine,
                            RatioReporter& reporter) {
    const std::shared_ptr<Firm> firm = sampleFirm(std::move(conn));
    registerPair(firm, cases, engine, "read-case", readCaseAccess, readCaseBare, reporter);
    registerPair(firm, cases, engine, "add-case", addCaseAccess, addCaseBare, reporter);
}

}  // namespace tolmo::bench

#include "support/FaultHarness.h"

#include <QCryptographicHash>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QSqlRecord>

#include "core/TolmoPratica.h"
#include "core/model/ErrorReport.h"
#include "schema/Schema.h"

namespace tolmo::test {

namespace {

const QString kGuasto = QStringLiteral("guasto simulato");

QMap<QString, QByteArray> tableDigests(const ConnectionPtr& conn);

/// Fails the statement numbered `target` (from 1) of the write, or the first faultable one after
/// it; counts and keeps every statement it sees.
struct Injector {
    int target = 0;
    const FaultScenario* scenario = nullptr;
    ConnectionPtr observer;
    QStringList seen;
    int failedAt = 0;  ///< the statement that failed, 0 when none did
    bool failedAfterCommit = false;
    int committedAt = 0;                  ///< statements seen when the case's transaction committed
    bool pratica = false;                 ///< the open transaction wrote the case row
    QMap<QString, QByteArray> committed;  ///< every table as the commit left it

    void operator()(const QString& sql) {
        seen.append(sql);
        const int n = static_cast<int>(seen.size());
        // The case row written again: that commit was not the case's, this statement is the save's.
        if (committedAt > 0 && scriveLaPratica(sql)) committedAt = 0;
        const bool dopo = committedAt > 0;
        if (dopo && n == committedAt + 1 && failedAt == 0 && target >= n && scenario->afterCommit)
            committed = tableDigests(observer);  // before the first statement of the routines after it
        if (!dopo) pratica = segue(sql);
        if (failedAt != 0 || n < target) return;
        if (dopo && !scenario->afterCommit) return;
        if (scenario->faultable && !scenario->faultable(seen)) return;
        failedAt = n;
        failedAfterCommit = dopo;
        throw DbError(kGuasto, QStringLiteral("FaultHarness: ") + sql, -1);
    }

private:
    /// Follows the transactions: the COMMIT of one that wrote Pratica is the case's.
    bool segue(const QString& sql) {
        if (sql == QStringLiteral("BEGIN")) return false;
        if (sql == QStringLiteral("COMMIT")) {
            if (pratica) committedAt = static_cast<int>(seen.size());
            return false;
        }
        return pratica || scriveLaPratica(sql);
    }
    static bool scriveLaPratica(const QString& sql) {
        static const QRegularExpression scrittura(
            QStringLiteral("^(INSERT INTO|UPDATE|DELETE FROM) Pratica\\b"));
        return scrittura.match(sql).hasMatch();
    }
};

QString line(int k, const QString& sql, const QString& what) {
    return QStringLiteral("statement %1 (%2): %3").arg(k).arg(sql.left(80), what);
}

QStringList reports(const QList<QJsonObject>& happened) {
    QStringList texts;
    for (const QJsonObject& h : happened) {
        const QJsonObject box = h.value("msgbox").toObject();
        if (box.value("title").toString() == core::kErrorReportTitle) texts << box.value("text").toString();
    }
    return texts;
}

bool raised(const QList<QJsonObject>& happened, const QString& event) {
    for (const QJsonObject& h : happened)
        if (h.value("event").toString() == event) return true;
    return false;
}

/// The national catalogue of offices: thousands of rows no write path of a case touches (the
/// office picker only reads it), left out so that each run reads what it may change.
bool catalogoUffici(const QString& table) {
    static const QStringList kTables = {QStringLiteral("REGIONE"), QStringLiteral("SITO"),
                                        QStringLiteral("UFFICIO"), QStringLiteral("UfficiTributari")};
    return kTables.contains(table);
}

/// Every row of every table of the firm, one digest per table.
QMap<QString, QByteArray> tableDigests(const ConnectionPtr& conn) {
    QMap<QString, QByteArray> digests;
    for (const schema::TableInfo& t : schema::tables()) {
        if (catalogoUffici(t.name)) continue;
        QSqlQuery q = conn->query(QStringLiteral("SELECT * FROM ") + t.name);
        QStringList rows;
        while (q.next()) {
            QStringList values;
            const QSqlRecord r = q.record();
            for (int c = 0; c < r.count(); ++c)
                values << (q.isNull(c) ? QStringLiteral("<null>") : q.value(c).toString());
            rows << values.join(u'\x1f');
        }
        rows.sort();
        digests.insert(t.name,
                       QCryptographicHash::hash(rows.join(u'\x1e').toUtf8(), QCryptographicHash::Sha256));
    }
    return digests;
}

/// A failure after the commit: the case stays saved, the failing routine tells of itself, and
/// nothing it began is left written.
void checkAfterCommit(const FaultScenario& scenario, const Injector& injector, const QJsonObject& reply,
                      const QList<QJsonObject>& happened, const QMap<QString, QByteArray>& after,
                      FaultReport& report) {
    const int k = injector.failedAt;
    const QString sql = injector.seen.at(k - 1);
    for (auto it = injector.committed.begin(); it != injector.committed.end(); ++it)
        if (after.value(it.key()) != it.value() && !scenario.mayChange.contains(it.key()))
            report.faults << line(k, sql, QStringLiteral("table %1 changed after the commit").arg(it.key()));
    if (!reply.value("result").toBool())
        report.faults << line(k, sql, QStringLiteral("the saved case was answered as not saved"));
    const QStringList shown = reports(happened);
    if (shown.size() != 1)
        report.faults << line(k, sql,
                              QStringLiteral("%1 error reports shown after the commit").arg(shown.size()));
    else if (shown.first().startsWith(QStringLiteral("Azione : ") + scenario.action + u'\r') ||
             !shown.first().contains(kGuasto))
        report.faults << line(k, sql, QStringLiteral("report after the commit: ") + shown.first().left(120));
    if (scenario.afterFault)
        for (const QString& broken : scenario.afterFault(happened)) report.faults << line(k, sql, broken);
}

}  // namespace

FaultReport runWithFaults(const FaultScenario& scenario, platform::Settings& settings) {
    FaultReport report;
    const ConnectionPtr observer = Connection::open(scenario.url);
    for (int k = 1;; ++k) {
        SessionDriver driver(settings, scenario.url);
        if (scenario.extend) scenario.extend(driver.component());
        scenario.prepare(driver);

        const QMap<QString, QByteArray> before = tableDigests(observer);
        const QJsonObject formBefore = driver.dump(QStringLiteral("form"));
        const QJsonObject headerBefore = driver.dump(QStringLiteral("ctlTestata1"));
        const QJsonObject stateBefore = driver.dump(QStringLiteral("state"));

        Injector injector;
        injector.target = k;
        injector.scenario = &scenario;
        injector.observer = observer;
        const ConnectionPtr readWrite = driver.component().ConnReadWrite();
        readWrite->setStatementObserver([&injector](const QString& sql) { injector(sql); });
        const QJsonObject reply = driver.send(scenario.write);
        readWrite->setStatementObserver({});
        const QList<QJsonObject> happened = driver.happened;

        if (injector.failedAt == 0) {  // the write ran to its end: every statement was tried
            report.statements = static_cast<int>(injector.seen.size());
            // A call answers with its result; an event fired only with "ok", and the test checks
            // what it wrote.
            report.lastRunWrote =
                reply.contains("result") ? reply.value("result").toBool() : reply.value("ok").toBool();
            if (!report.lastRunWrote)
                report.faults << QStringLiteral("the run without a fault did not write: %1")
                                     .arg(reports(happened).join(u' '));
            return report;
        }
        ++report.faultedRuns;
        k = injector.failedAt;  // a statement that could not fail was run past
        const QString sql = injector.seen.at(k - 1);
        if (sql == QStringLiteral("COMMIT") && !injector.seen.mid(k).contains(QStringLiteral("BEGIN")))
            report.commitFailed = true;

        if (injector.failedAfterCommit) {
            ++report.afterCommitRuns;
            checkAfterCommit(scenario, injector, reply, happened, tableDigests(observer), report);
            continue;
        }
        const QMap<QString, QByteArray> after = tableDigests(observer);
        for (auto it = before.begin(); it != before.end(); ++it)
            if (after.value(it.key()) != it.value() && !scenario.mayChange.contains(it.key()))
                report.faults << line(k, sql, QStringLiteral("table %1 changed").arg(it.key()));
        if (driver.dump(QStringLiteral("form")) != formBefore)
            report.faults << line(k, sql, QStringLiteral("the case form changed"));
        if (driver.dump(QStringLiteral("ctlTestata1")) != headerBefore)
            report.faults << line(k, sql, QStringLiteral("the header changed"));
        if (driver.dump(QStringLiteral("state")) != stateBefore)
            report.faults << line(k, sql, QStringLiteral("the component's state changed"));
        if (reply.value("result").toBool())
            report.faults << line(k, sql, QStringLiteral("the write said it succeeded"));
        const QStringList shown = reports(happened);
        if (shown.size() != 1)
            report.faults << line(k, sql, QStringLiteral("%1 error reports shown").arg(shown.size()));
        else if (!shown.first().startsWith(QStringLiteral("Azione : ") + scenario.action + u'\r') ||
                 !shown.first().contains(kGuasto))
            report.faults << line(k, sql, QStringLiteral("report: ") + shown.first().left(120));
        if (raised(happened, QStringLiteral("NewId")))
            report.faults << line(k, sql, QStringLiteral("NewId raised"));
        if (scenario.afterFault)
            for (const QString& broken : scenario.afterFault(happened)) report.faults << line(k, sql, broken);
    }
}

}  // namespace tolmo::test

#pragma once
// The fault-injection harness: a scripted write of the case form (a save, a deletion) is run
// again and again on a fresh session, each time with the next statement on the read-write
// connection failing, until a run reaches its end without a fault. After every failed run:
// every table holds exactly what it held before (the read-only office catalogue aside; but for
// the writes made on purpose outside the transaction), the form shows everything that was typed
// and is still in the same state, one error report was shown with the routine's action text, and
// no NewId was raised. Statements after the commit of the case (a transaction that wrote Pratica)
// belong to routines of their own and are left alone unless the scenario asks for them.

#include <QJsonObject>
#include <QStringList>
#include <functional>

#include "platform/Settings.h"
#include "support/SessionDriver.h"

namespace tolmo {
class TolmoPratica;
}

namespace tolmo::test {

struct FaultScenario {
    /// The database the scenario runs on. The last run (without a fault) writes for real.
    QString url;
    /// Sections a test adds to the component, before anything else happens.
    std::function<void(TolmoPratica&)> extend;
    /// Brings a fresh session to the moment before the write: Start, the case, what is typed.
    std::function<void(SessionDriver&)> prepare;
    /// The write, as the JSON driver sends it: {"call":"Conferma"}, {"call":"Elimina"}.
    QJsonObject write;
    /// The action text the write's error report carries.
    QString action;
    /// Tables a failed write may leave changed on purpose (a subject added to its catalogue).
    QStringList mayChange;
    /// False for a statement of another routine, whose own failure the person is told of
    /// separately; `seen` holds the write's statements so far, the candidate last.
    std::function<bool(const QStringList& seen)> faultable;
    /// Statements after the write's commit (the case's folder) are faulted too. Such a run must
    /// still answer true (the case is saved), show one report with the failing routine's own
    /// action, and leave every table as the commit left it. Each such run saves the case again.
    bool afterCommit = false;
    /// What else a failed run must have left (a dialog still open with its input): the broken
    /// promises found in what happened during the write, empty when none.
    std::function<QStringList(const QList<QJsonObject>& happened)> afterFault;
};

struct FaultReport {
    int statements = 0;         ///< statements the write ran on ConnReadWrite
    int faultedRuns = 0;        ///< runs with a failing statement
    bool commitFailed = false;  ///< one of them failed the save's (or the deletion's) commit
    bool lastRunWrote = false;  ///< the run without a fault saved (its reply's result was true)
    int afterCommitRuns = 0;    ///< faulted runs whose failing statement followed the commit
    QStringList faults;         ///< every promise broken, one line each ("statement 7 (UPDATE ...): ...")
};

/// Runs `scenario` once per statement of its write, each time with that statement failing.
FaultReport runWithFaults(const FaultScenario& scenario, platform::Settings& settings);

}  // namespace tolmo::test

#pragma once
// The demo firm on every engine under test, the component's services as a test double and
// the hostile strings the look-ups must survive. Shared by the party, list and free-field tests.

#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "core/model/CaseHeader.h"
#include "core/model/ComponentServices.h"
#include "core/model/ErrorReport.h"
#include "core/model/FirmUser.h"
#include "core/model/PraticaForm.h"
#include "form/ScriptedInteraction.h"
#include "schema/DemoFirm.h"
#include "schema/Schema.h"
#include "schema/demo/Rows.h"
#include "support/NaughtyStrings.h"
#include "support/TestDb.h"
#include "support/TestServices.h"

namespace tolmo::test {

namespace demo = schema::demo;

/// A test on the demo firm, once per engine; the firm is made once per process.
class FirmTest : public ::testing::TestWithParam<Engine> {
protected:
    static ConnectionPtr firm(Engine e) {
        auto& slot = firms()[e];
        if (!slot.first) {
            slot.first = std::make_unique<ScratchDatabase>(e);
            slot.second = schema::openDatabase(slot.first->url());
        }
        return slot.second;
    }
    static void TearDownTestSuite() { firms().clear(); }

    /// The current user becomes `id`, with its groups as the firm records them.
    void setUser(int id) { services.user = platform::FixedUser(id, core::FirmUser(conn, id).groups()); }
    /// Adds a party to the register as the firm's programs write one (its search key too).
    void addParty(const QString& cognome, const QString& nome, const QString& categoria) {
        schema::demo::insertRow(*conn, QStringLiteral("Anagrafica"),
                                {{QStringLiteral("Cognome"), cognome},
                                 {QStringLiteral("Nome"), nome},
                                 {QStringLiteral("Categoria"), categoria}});
    }
    /// Column `col` of every row of `list`.
    static QStringList column(const form::ListControl& list, int col) {
        QStringList values;
        for (int r = 0; r < list.rowCount(); ++r) values.append(list.cell(r, col));
        return values;
    }
    /// Types `text` into `list`, opens it and returns its surnames.
    static QStringList open(form::ListControl& list, const QString& text) {
        list.setText(text);
        list.fire(form::EventKind::DropDown);
        return column(list, 0);
    }
    static void choose(form::ListControl& list, int row) {
        list.setSelectedRow(row);
        form::ControlEvent e;
        e.kind = form::EventKind::Choose;
        e.row = row;
        list.fire(e);
    }
    static void press(form::Control& c, int key, form::EventKind kind = form::EventKind::KeyPress) {
        form::ControlEvent e;
        e.kind = kind;
        e.key = key;
        c.fire(e);
    }
    /// Every statement run on the firm's connection while `body` runs.
    QStringList statementsOf(const std::function<void()>& body) {
        QStringList seen;
        conn->setStatementObserver([&seen](const QString& sql) { seen.append(sql); });
        body();
        conn->setStatementObserver({});
        return seen;
    }
    /// The first of `statements` that starts with `start`, "" when none does.
    static QString firstStartingWith(const QStringList& statements, const QString& start) {
        for (const QString& sql : statements)
            if (sql.startsWith(start)) return sql;
        return {};
    }
    bool isSqlite() const { return GetParam() == Engine::SQLite; }

    ConnectionPtr conn = firm(GetParam());
    TestServices services{conn};
    core::PraticaForm form;

private:
    static std::map<Engine, std::pair<std::unique_ptr<ScratchDatabase>, ConnectionPtr>>& firms() {
        static std::map<Engine, std::pair<std::unique_ptr<ScratchDatabase>, ConnectionPtr>> s;
        return s;
    }
};

inline std::string engineParamName(const ::testing::TestParamInfo<Engine>& info) {
    return engineName(info.param).toStdString();
}

}  // namespace tolmo::test

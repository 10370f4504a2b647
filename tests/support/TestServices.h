#pragma once
// The component's services as a test double: one connection for all three, a scripted person
// (or the screen), failures recorded and reported as the component reports them.

#include <vector>

#include "core/model/CaseHeader.h"
#include "core/model/ComponentServices.h"
#include "core/model/ErrorReport.h"
#include "form/ScriptedInteraction.h"
#include "platform/CurrentUser.h"
#include "platform/Settings.h"
#include "schema/DemoFirm.h"

namespace tolmo::test {

/// What the component gives its parts, scripted: failures are recorded and reported.
class TestServices : public core::ComponentServices {
public:
    /// Messages and dialogs go to `screen` when one is given, to the scripted interaction
    /// otherwise.
    explicit TestServices(ConnectionPtr conn, form::Interaction* screen = nullptr)
        : m_conn(std::move(conn)), m_screen(screen) {}
    ConnectionPtr connTolmo() const override { return m_conn; }
    ConnectionPtr connReadOnly() const override { return m_conn; }
    ConnectionPtr connReadWrite() const override { return m_conn; }
    form::Interaction& ui() override { return m_screen ? *m_screen : interaction; }
    core::CaseHeader& header() override { return caseHeader; }
    int currentId() const override { return caseId; }
    platform::Settings& settings() override { return store; }
    const platform::CurrentUser& currentUser() override { return user; }
    const QString& messageTitle() const override { return title; }
    short editState() const override { return state; }
    bool filling() const override { return isFilling; }
    bool trap(const QString& action, const std::function<void()>& body) override {
        try {
            body();
            return true;
        } catch (const DbError& e) {
            failures.push_back(action + QStringLiteral(": ") + e.description());
            ui().messageBox(core::errorReportText(action, {e.description(), e.source(), e.number(), true}),
                            core::kErrorReportTitle, form::MsgButtons::OK, form::MsgIcon::Critical);
            ui().setPointer(form::PointerDefault);
            return false;
        }
    }
    void raiseSetDummy() override { ++dummies; }
    void raiseEnableConferma(bool) override {}
    void mostraPratica(int id) override { shownCases.push_back(id); }

    form::ScriptedInteraction interaction;
    platform::MemorySettings store;
    platform::FixedUser user{schema::demo::kUtenteRossi, {}};
    QString title = QStringLiteral("Tolmo Studio");
    short state = 2;
    int caseId = 0;
    core::CaseHeader caseHeader;
    bool isFilling = false;
    std::vector<QString> failures;  ///< "action: description" of every trapped error
    int dummies = 0;
    std::vector<int> shownCases;  ///< every case a dialog asked to show

private:
    ConnectionPtr m_conn;
    form::Interaction* m_screen;
};

}  // namespace tolmo::test

#pragma once
// What the sections of the case form need from the component: its connections, the person,
// the header, the settings, the edit state and the error trap.

#include <QString>
#include <functional>

#include "access/Connection.h"
#include "form/Interaction.h"
#include "platform/CurrentUser.h"
#include "platform/Settings.h"

namespace tolmo::core {

class CaseHeader;

class ComponentServices {
public:
    virtual ~ComponentServices() = default;
    virtual ConnectionPtr connTolmo() const = 0;
    virtual ConnectionPtr connReadOnly() const = 0;
    virtual ConnectionPtr connReadWrite() const = 0;
    virtual form::Interaction& ui() = 0;
    /// The case header strip: position, register number, client and counterparty.
    virtual CaseHeader& header() = 0;
    virtual platform::Settings& settings() = 0;
    /// The suite's current user: id from "Shared"/"Id_Utente", groups from the firm's database.
    virtual const platform::CurrentUser& currentUser() = 0;
    /// Title of every message box ("Tolmo Studio" once started).
    virtual const QString& messageTitle() const = 0;
    /// 0 before Start, 1 consultation, 2 modification, 3 insertion.
    virtual short editState() const = 0;
    /// The id of the case on screen, 0 when none.
    virtual int currentId() const = 0;
    /// True while a stored case is copied into the form: change handlers then leave choices alone.
    virtual bool filling() const = 0;
    /// Runs `body`; a failure shows the error report with `action` and gives false. While a case
    /// is saved or deleted the failure goes on to the save's own trap instead: only the save's
    /// transaction guard rolls back, and the person sees one report.
    virtual bool trap(const QString& action, const std::function<void()>& body) = 0;
    /// Raises SetDummy, so the host can take its focus back after a message.
    virtual void raiseSetDummy() = 0;
    /// Raises EnableConferma: false while the grids that write at once hold an edit.
    virtual void raiseEnableConferma(bool abilita) = 0;
    /// Shows stored case `id` (VisualizzaPratica): a dialog asked to open it.
    virtual void mostraPratica(int id) = 0;
};

}  // namespace tolmo::core

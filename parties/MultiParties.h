#pragma once
// The additional clients and counterparties of a case: their two grids on the "Parti" tab, the
// drop-down grids that search the register, and the buttons that add and remove them.

#include "core/model/CaseSection.h"
#include "core/model/ComponentServices.h"
#include "core/model/PraticaForm.h"

namespace tolmo::parties {

struct MultiPartyFields {
    explicit MultiPartyFields(form::Form& form) : f(&form) {}
    form::Form* f;
    core::Control fraAltri{f, QStringLiteral("fraAltri"), core::ControlKind::Frame};
    /// Columns: Cognome, Nome, Id, IdMulti.
    core::Grid GridClienti{f, QStringLiteral("GridClienti"), 4};
    core::Grid GridControparti{f, QStringLiteral("GridControparti"), 4};
    /// Columns: Cognome, Nome, Id.
    core::Grid DropClienti{f, QStringLiteral("DropClienti"), 3};
    core::Grid DropControparti{f, QStringLiteral("DropControparti"), 3};
    core::Control cmdPiuCli{f, QStringLiteral("cmdPiuCli"), core::ControlKind::Button};
    core::Control cmdMenoCli{f, QStringLiteral("cmdMenoCli"), core::ControlKind::Button};
    core::Control cmdPiuContro{f, QStringLiteral("cmdPiuContro"), core::ControlKind::Button};
    core::Control cmdMenoContro{f, QStringLiteral("cmdMenoContro"), core::ControlKind::Button};
};

class MultiParties : public core::CaseSection {
public:
    MultiParties(core::ComponentServices& services, core::PraticaForm& form);

    MultiPartyFields fields;

    void start() override;
    void release() override;
    void clear() override;
    void newCase() override { enableButtons(false); }
    void consult() override;
    void tabChanged(int tab, short editState) override;
    void remove(core::DeleteContext& ctx) override;
    void removed() override;

private:
    void enableButtons(bool on);
    /// The editable columns of both grids locked or open.
    void lockGrids(bool locked);
};

}  // namespace tolmo::parties

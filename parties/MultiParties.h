#pragma once
// The additional clients and counterparties of a case: their two grids on the "Parti" tab, the
// drop-down grids that search the register, and the buttons that add and remove them.

#include "core/model/CaseSection.h"
#include "core/model/ComponentServices.h"
#include "core/model/PraticaForm.h"
#include "parties/PartyGrid.h"

namespace tolmo::parties {

struct MultiPartyFields {
    explicit MultiPartyFields(form::Form& form) : f(&form) {}
    form::Form* f;
    core::Control fraAltri{f, QStringLiteral("fraAltri"), core::ControlKind::Frame};
    /// Columns: Cognome, Nome, Id, IdMulti.
    core::Grid GridClienti{f, QStringLiteral("GridClienti"), 4};
    core::Grid GridControparti{f, QStringLiteral("GridControparti"), 4};
    /// The register parties a grid's surname may be chosen from. Columns: Cognome, Nome, Id.
    core::ListControl DropClienti{f, QStringLiteral("DropClienti"), core::ControlKind::ListBox, 3};
    core::ListControl DropControparti{f, QStringLiteral("DropControparti"), core::ControlKind::ListBox, 3};
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
    void show(core::ShowContext& ctx) override;
    void remove(core::DeleteContext& ctx) override;
    void removed() override;

private:
    void enableButtons(bool on);
    /// The editable columns of both grids locked or open.
    void lockGrids(bool locked);

    core::ComponentServices& m_services;
    PartyGrid m_clienti;
    PartyGrid m_controparti;
};

}  // namespace tolmo::parties

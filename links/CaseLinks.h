#pragma once
// The case's links to other cases and to the firm's other lawyers: "Pratiche collegate" and
// "Altri avvocati" on the case form, and the lawyers' part of the case's save.

#include "DlgAvvocati.h"
#include "DlgPratCollegate.h"
#include "core/model/CaseSection.h"
#include "core/model/PraticaForm.h"

namespace tolmo::links {

struct LinkFields {
    explicit LinkFields(form::Form& form) : f(&form) {}
    form::Form* f;
    core::Control cmdAltri{f, QStringLiteral("cmdAltri"), core::ControlKind::Button};
};

class CaseLinks : public core::CaseSection {
public:
    CaseLinks(core::ComponentServices& services, core::PraticaForm& form);

    LinkFields fields;
    DlgPratCollegate dlgPratCollegate;
    DlgAvvocati dlgAvvocati;

    /// cmdPratCollegate: the linked cases of the case shown; a double-clicked one is shown next.
    void praticheCollegate();
    /// cmdAltri: the other lawyers of the case shown or being inserted.
    void altriAvvocati();

    /// The lawyers chosen during an insertion join the saved case; AvvCoinvolti is rebuilt.
    void save(core::SaveContext& ctx) override;
    void afterCommit(const core::SaveContext& ctx) override;
    /// An insertion begins: the lawyers chosen from now on wait under case 0.
    void newCase() override { m_inserimento = true; }
    /// The lawyers chosen during an insertion that ends without a save are let go: by Annulla,
    /// by another case shown, or by the component letting the case go.
    void insertionAbandoned() override { lascia(); }
    void show(core::ShowContext&) override { lascia(); }
    void release() override { lascia(); }

private:
    void lascia();

    core::ComponentServices& m_services;
    core::PraticaForm& m_form;
    bool m_inserimento = false;  ///< an insertion is going on
};

}  // namespace tolmo::links

#pragma once
// The subjects involved in a case (witnesses, experts, heirs) and their representatives: the
// tabs "SOGG. COINVOLTI" and "Rappresentanti".

#include "core/model/CaseSection.h"
#include "core/model/ComponentServices.h"
#include "core/model/PraticaForm.h"

namespace tolmo::parties {

struct SubjectFields {
    explicit SubjectFields(form::Form& form) : f(&form) {}
    form::Form* f;
    core::Control fraSoggetti{f, QStringLiteral("fraSoggetti"), core::ControlKind::Frame};
    /// The general party search. Columns: Cognome, Nome, ID_Ana.
    core::ListControl cmbSoggetto{f, QStringLiteral("cmbSoggetto"), core::ControlKind::ComboBox, 3};
    core::Control fraRappresentanti{f, QStringLiteral("fraRappresentanti"), core::ControlKind::Frame};
};

class InvolvedSubjects : public core::CaseSection {
public:
    InvolvedSubjects(core::ComponentServices& services, core::PraticaForm& form);

    SubjectFields fields;

    void consult() override;
    /// Tab 7 opens the subjects for an edit and refills the subject list from the register
    /// (in consultation too); tab 8 opens the representatives.
    void tabChanged(int tab, short editState) override;

private:
    core::ComponentServices& m_services;
};

}  // namespace tolmo::parties

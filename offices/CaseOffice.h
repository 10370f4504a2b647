#pragma once
// The office of a case: "cmdCerca" beside the office field opens dlgUffici, and the office
// chosen there fills the field (its text and tooltip the description, its tag the code).

#include "DlgUffici.h"
#include "core/model/CaseSection.h"
#include "core/model/PraticaForm.h"

namespace tolmo::offices {

struct OfficeFields {
    explicit OfficeFields(form::Form& form) : f(&form) {}
    form::Form* f;
    core::Control cmdCerca{f, QStringLiteral("cmdCerca"), core::ControlKind::Button};
};

class CaseOffice : public core::CaseSection {
public:
    CaseOffice(core::ComponentServices& services, core::PraticaForm& form);

    OfficeFields fields;
    DlgUffici dlgUffici;

    /// cmdCerca: the office picker; an office chosen there replaces the case's office.
    void cerca();

    void start() override { fields.cmdCerca.setEnabled(false); }
    void beginEdit() override { fields.cmdCerca.setEnabled(true); }
    void consult() override { fields.cmdCerca.setEnabled(false); }

private:
    core::ComponentServices& m_services;
    core::PraticaForm& m_form;
};

}  // namespace tolmo::offices

#pragma once
// The anti-money-laundering side of a case, as far as the case form goes: the archive's button
// is offered on a stored case in consultation only and opens the case's service (frmGestAR);
// a case registered in the archive cannot be deleted.

#include "FrmGestAR.h"
#include "FrmIdentificazioneAR.h"
#include "core/model/CaseSection.h"
#include "core/model/ComponentServices.h"
#include "core/model/PraticaForm.h"

namespace tolmo::aml {

class AmlGuard : public core::CaseSection {
public:
    AmlGuard(core::ComponentServices& services, core::PraticaForm& form);

    FrmGestAR frmGestAR;
    FrmIdentificazioneAR frmIdentificazione;

    /// cmdAR: the service of the case shown, for the professional chosen as its accounting user;
    /// SetDummy once the form has closed. Nothing without a case.
    void apriPrestazione();

    void newCase() override { m_form.cmdAR.setEnabled(false); }
    void beginEdit() override { m_form.cmdAR.setEnabled(false); }
    void consult() override { m_form.cmdAR.setEnabled(true); }
    void tabChanged(int tab, short editState) override;
    std::optional<core::Refusal> refuseDeletion(int caseId) override;

private:
    core::ComponentServices& m_services;
    core::PraticaForm& m_form;
};

}  // namespace tolmo::aml

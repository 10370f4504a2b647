#pragma once
// The tariff of the case: read with the case, shown in the two labels of the case form, chosen
// in dlgTariffa and written with the case's row.

#include <memory>

#include "ClsTariffa.h"
#include "DlgTariffa.h"
#include "core/model/CaseSection.h"
#include "core/model/ComponentServices.h"
#include "core/model/PraticaForm.h"

namespace tolmo::fees {

class Tariff : public core::CaseSection {
public:
    Tariff(core::ComponentServices& services, core::PraticaForm& form);

    /// The tariff of the case on screen; null until a case is shown or a tariff chosen.
    const clsTariffa* tariffa() const { return m_tariffa.get(); }
    /// Opens dlgTariffa on the tariff (made at first use), then shows it in the labels.
    void scegliTariffa();

    void clear() override { mostraTariffa(); }
    void newCase() override;
    void show(core::ShowContext& ctx) override;
    void writeRow(core::SaveContext& ctx) override;

private:
    void mostraTariffa();

    core::ComponentServices& m_services;
    core::PraticaForm& m_form;
    std::unique_ptr<clsTariffa> m_tariffa;
    DlgTariffa m_dialogo;
};

}  // namespace tolmo::fees

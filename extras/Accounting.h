#pragma once
// The accounting tab of a case: advances, expenses, remaining fund, credit and receipts. They
// are computed, never typed. A deleted case takes its agenda with it and leaves its invoices,
// detached from it.

#include <array>

#include "core/model/CaseSection.h"
#include "core/model/ComponentServices.h"
#include "core/model/PraticaForm.h"

namespace tolmo::extras {

struct AccountingFields {
    explicit AccountingFields(form::Form& form);
    form::Form* f;
    core::Control FTotaleAcconti{f, QStringLiteral("FTotaleAcconti"), core::ControlKind::TextBox};
    core::Control FSpeseSostenute{f, QStringLiteral("FSpeseSostenute"), core::ControlKind::TextBox};
    core::Control FRimanenzaFondo{f, QStringLiteral("FRimanenzaFondo"), core::ControlKind::TextBox};
    core::Control FTotaleCredito{f, QStringLiteral("FTotaleCredito"), core::ControlKind::TextBox};
    core::Control FTotaleIncassi{f, QStringLiteral("FTotaleIncassi"), core::ControlKind::TextBox};
    std::array<core::Control*, 5> totals() {
        return {&FTotaleAcconti, &FSpeseSostenute, &FRimanenzaFondo, &FTotaleCredito, &FTotaleIncassi};
    }
};

class Accounting : public core::CaseSection {
public:
    Accounting(core::ComponentServices& services, core::PraticaForm& form);

    AccountingFields fields;

    void clear() override;
    void tabChanged(int tab, short editState) override;
    void remove(core::DeleteContext& ctx) override;
};

}  // namespace tolmo::extras

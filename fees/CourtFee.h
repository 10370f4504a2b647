#pragma once
// The unified court fee of a civil case: exempt, unpaid or paid, its amount and whether it is
// owed; the notes take its place on a criminal case and until a case offers it.

#include "core/model/CaseSection.h"
#include "core/model/ComponentServices.h"
#include "core/model/PraticaForm.h"

namespace tolmo::fees {

/// The court-fee type of option `option` of optContributo: "ES", "NV", "VE"; "" for none.
QString codiceContributo(int option);
/// The option of optContributo for a stored court-fee type, -1 for any other text.
int opzioneContributo(const QString& codice);

struct CourtFeeFields {
    explicit CourtFeeFields(form::Form& form) : f(&form) {}
    form::Form* f;
    core::OptionGroup optCU{f, QStringLiteral("optCU"), 2};  ///< 0 court fee view, 1 notes view
    core::Control FraContributo_2{f, QStringLiteral("FraContributo_2"), core::ControlKind::Frame};
    core::OptionGroup optContributo{f, QStringLiteral("optContributo"), 3};
    core::Control mskImportoContributo{f, QStringLiteral("mskImportoContributo"), core::ControlKind::TextBox};
    core::CheckBox chkDebito{f, QStringLiteral("chkDebito")};
    core::Control cmdCalcola{f, QStringLiteral("cmdCalcola"), core::ControlKind::Button};
    core::Control cmdEstremi{f, QStringLiteral("cmdEstremi"), core::ControlKind::Button};
};

class CourtFee : public core::CaseSection {
public:
    CourtFee(core::ComponentServices& services, core::PraticaForm& form);

    CourtFeeFields fields;

    void clear() override;
    void beginEdit() override { fields.FraContributo_2.setEnabled(true); }
    void consult() override { fields.FraContributo_2.setEnabled(false); }
    void show(core::ShowContext& ctx) override;
    void writeRow(core::SaveContext& ctx) override;

private:
    /// The notes view: fee frame and payment button hidden, notes shown.
    void mostraNote();

    core::PraticaForm& m_form;
};

}  // namespace tolmo::fees

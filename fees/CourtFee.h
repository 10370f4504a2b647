#pragma once
// The unified court fee of a civil case: exempt, unpaid or paid, its amount and whether it is
// owed; the notes take its place on a criminal case and until a case offers it. The fee type
// governs its fields, and leaving "Versato" throws the recorded payments away.

#include "DlgEstremiPagamento.h"
#include "FrmCalcolaCU.h"
#include "core/model/CaseSection.h"
#include "core/model/ComponentServices.h"
#include "core/model/MoneyField.h"
#include "core/model/PraticaForm.h"

namespace tolmo::fees {

/// The options of optContributo.
enum TipoContributo { kEsente = 0, kNonVersato = 1, kVersato = 2 };

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
    core::MoneyField mskImportoContributo{f, QStringLiteral("mskImportoContributo")};
    core::CheckBox chkDebito{f, QStringLiteral("chkDebito")};
    core::Control cmdCalcola{f, QStringLiteral("cmdCalcola"), core::ControlKind::Button};
    core::Control cmdEstremi{f, QStringLiteral("cmdEstremi"), core::ControlKind::Button};
};

class CourtFee : public core::CaseSection {
public:
    CourtFee(core::ComponentServices& services, core::PraticaForm& form);

    CourtFeeFields fields;
    /// The calculator, one for the component's whole life.
    FrmCalcolaCU calcolatore;
    /// The payments of the fee, one dialog for the component's whole life.
    DlgEstremiPagamento estremi;

    /// Proposes an amount from the object code and the case value, lets the calculator look it
    /// up, and takes whatever the calculator arrived at, however it was closed.
    void calcola();
    /// Shows the payments of the case shown.
    void mostraEstremi();

    void clear() override;
    void beginEdit() override { fields.FraContributo_2.setEnabled(true); }
    void consult() override { fields.FraContributo_2.setEnabled(false); }
    void show(core::ShowContext& ctx) override;
    void writeRow(core::SaveContext& ctx) override;

private:
    /// The court-fee view (0: fee frame and payment button) or the notes view (1).
    void mostraVista(int vista);
    /// The notes view selected.
    void mostraNote();
    /// A fee type chosen: payments of the case are checked unless the case is being loaded.
    void sceltoTipo(int tipo);
    /// The fee type's effect on the amount, the two buttons and the "a debito" box.
    void applicaTipo(int tipo);
    /// True when the case has payments and the person agreed to delete them, or has none.
    bool pagamentiRinunciati();

    core::ComponentServices& m_services;
    core::PraticaForm& m_form;
};

}  // namespace tolmo::fees

#pragma once
// The criminal side of a case: the authority list of the general data and the criminal tab
// (the phase and the general register number), shown for a case of the 'PENALE' classifier.

#include "core/model/CaseSection.h"
#include "core/model/ComponentServices.h"
#include "core/model/PraticaForm.h"

namespace tolmo::criminal {

using core::ControlKind;

struct CriminalFields {
    explicit CriminalFields(form::Form& form) : f(&form) {}
    form::Form* f;
    core::Control lblAutorita{f, QStringLiteral("lblAutorita"), ControlKind::Label};
    core::ListControl cmbAutorita{f, QStringLiteral("cmbAutorita"), ControlKind::ComboBox, 1};
    core::Control fraPenale{f, QStringLiteral("fraPenale"), ControlKind::Frame};
    /// Columns: id_fase, fase, NumFase.
    core::ListControl cmbFase{f, QStringLiteral("cmbFase"), ControlKind::ComboBox, 3};
    core::CheckBox chkImpPartCiv{f, QStringLiteral("chkImpPartCiv")};
    core::Control txtnRg{f, QStringLiteral("txtnRg"), ControlKind::TextBox};
};

class Criminal : public core::CaseSection {
public:
    /// The phase of appeal in cmbFase.
    static constexpr int kFaseAppello = 4;

    Criminal(core::ComponentServices& services, core::PraticaForm& form);

    CriminalFields fields;

    /// The id of the classifier described 'PENALE', 0 when there is none. Throws DbError.
    int GetIdPenale();
    /// Fills the phase list from PraPenaleFasi; errors are reported with "Caricamento Fasi Penali".
    void CaricaFasiPenale();
    /// The phase chosen in cmbFase (its id), 0 when none.
    int faseCorrente() const { return fields.cmbFase.selectedCell(0).toInt(); }
    /// Hides the criminal tab, moving to the general tab when it was the one shown.
    void nascondiScheda();
    /// Withdraws the criminal side from the form: the authority list and the criminal tab.
    void ritira();

    void start() override { CaricaFasiPenale(); }
    void clear() override;
    void beginEdit() override { abilita(true); }
    void consult() override { abilita(false); }
    void show(core::ShowContext& ctx) override;
    void writeRow(core::SaveContext& ctx) override;
    void remove(core::DeleteContext& ctx) override;

private:
    void abilita(bool on);
    void mostraAutorita(bool shown);

    core::ComponentServices& m_services;
    core::PraticaForm& m_form;
};

}  // namespace tolmo::criminal

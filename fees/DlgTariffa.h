#pragma once
// dlgTariffa: the tariff of the case, edited in place on the component's clsTariffa.

#include "ClsTariffa.h"
#include "form/Form.h"

namespace tolmo::fees {

class DlgTariffa : public form::Form {
public:
    DlgTariffa();

    /// Keeps the tariff the dialog edits; "OK" writes it at once.
    void SettaFormTariffa(clsTariffa& tariffa) { m_tariffa = &tariffa; }
    /// Fills the dialog from the tariff (its load).
    void carica();

    /// Four option buttons, one chosen at a time.
    form::CheckBox optDefault{this, QStringLiteral("optDefault")};
    form::CheckBox optTariffa1{this, QStringLiteral("optTariffa1")};
    form::CheckBox optTariffa2{this, QStringLiteral("optTariffa2")};
    form::CheckBox optTariffaFlat{this, QStringLiteral("optTariffaFlat")};
    form::Control lblMaggiorazione{this, QStringLiteral("lblMaggiorazione"), form::ControlKind::Label};
    form::Control TEDNumMaggiorazione{this, QStringLiteral("TEDNumMaggiorazione"),
                                      form::ControlKind::TextBox};
    form::Control lblSegnoPercento{this, QStringLiteral("lblSegnoPercento"), form::ControlKind::Label};
    form::Control lblFlat{this, QStringLiteral("lblFlat"), form::ControlKind::Label};
    form::Control TEDDenaroFlat{this, QStringLiteral("TEDDenaroFlat"), form::ControlKind::TextBox};
    form::Control cmdOk{this, QStringLiteral("cmdOk"), form::ControlKind::Button};
    form::Control cmdChiudi{this, QStringLiteral("cmdChiudi"), form::ControlKind::Button};

private:
    form::CheckBox* opzione(short tipo);
    void scegli(form::CheckBox& scelta);
    void conferma();

    clsTariffa* m_tariffa = nullptr;
    bool m_scegliendo = false;
};

}  // namespace tolmo::fees

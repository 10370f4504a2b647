#pragma once
// frmFisGiudice: the number of days the judge fixed for the deposit of a sentence's reasons.

#include "form/Form.h"
#include "form/Interaction.h"

namespace tolmo::criminal {

class FrmFisGiudice : public form::Form {
public:
    /// The days a judge may fix, both included.
    static constexpr int kMinimo = 16, kMassimo = 90;

    explicit FrmFisGiudice(form::Interaction& ui);

    /// The days confirmed; 0 when the form was cancelled.
    int giorni() const { return m_giorni; }

    form::Control lblTesto{this, QStringLiteral("lblTesto"), form::ControlKind::Label};
    form::Control txtGiorni{this, QStringLiteral("txtGiorni"), form::ControlKind::TextBox};
    form::Control cmdAdd{this, QStringLiteral("cmdAdd"), form::ControlKind::Button};
    form::Control Command1{this, QStringLiteral("Command1"), form::ControlKind::Button};

private:
    void conferma();
    form::Interaction& m_ui;
    int m_giorni = 0;
};

}  // namespace tolmo::criminal

#pragma once
// The small form a host shows to register a client on the spot: surname and first name as
// typed in the case, the category fixed, tax code and city optional. "Salva" stores the
// party (insertParty) and closes; a refusal or a failure is told and the form stays open.

#include "access/Connection.h"
#include "form/Form.h"
#include "form/Interaction.h"

namespace tolmo::hostkit {

class QuickPartyForm : public form::Form {
public:
    QuickPartyForm(ConnectionPtr rw, form::Interaction& ui);

    /// Empties the form and fills it with what the case holds; the category cannot be changed.
    void prepara(const QString& cognome, const QString& nome, const QString& categoria);
    /// The ID_Ana stored by the last "Salva", 0 when the form was closed without saving.
    int idAnagrafica() const { return m_id; }

    form::Control txtCognome{this, QStringLiteral("txtCognome"), form::ControlKind::TextBox};
    form::Control txtNome{this, QStringLiteral("txtNome"), form::ControlKind::TextBox};
    form::Control txtCategoria{this, QStringLiteral("txtCategoria"), form::ControlKind::TextBox};
    form::Control txtCodiceFiscale{this, QStringLiteral("txtCodiceFiscale"), form::ControlKind::TextBox};
    form::Control txtCitta{this, QStringLiteral("txtCitta"), form::ControlKind::TextBox};
    form::Control cmdSalva{this, QStringLiteral("cmdSalva"), form::ControlKind::Button};
    form::Control cmdAnnulla{this, QStringLiteral("cmdAnnulla"), form::ControlKind::Button};

private:
    void salva();

    ConnectionPtr m_rw;
    form::Interaction& m_ui;
    int m_id = 0;
};

}  // namespace tolmo::hostkit

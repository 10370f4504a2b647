#pragma once
// frmIdentificazioneAR ("Identificazione antiriciclaggio"): how a professional identified a
// party, by document, for the anti-money-laundering archive. Each save adds one AnagraficaAR row
// for the professional; the party's tax code must pass its check first.

#include "Identifications.h"
#include "core/model/ComponentServices.h"
#include "form/Form.h"

namespace tolmo::aml {

class FrmIdentificazioneAR : public form::Form {
public:
    explicit FrmIdentificazioneAR(core::ComponentServices& services);

    /// Shows the editor for `anagrafica`, identified by the professional `chi`, and returns when it is
    /// closed. The names are those the service form's two professional lists show ("" for none).
    void ApriIdentificazione(int anagrafica, ConnectionPtr conn, const QString& professionista,
                             const QString& utenteCodice, const Professionista& chi);

    form::Control lblAnagrafica{this, QStringLiteral("lblAnagrafica"), form::ControlKind::Label};
    form::Control lblCodiceFiscale{this, QStringLiteral("lblCodiceFiscale"), form::ControlKind::Label};
    form::Control lblProfessionista{this, QStringLiteral("lblProfessionista"), form::ControlKind::Label};
    /// id_ar, Identificata da, Documento, Numero, Rilasciato da, Data.
    form::Grid grdIdentificazioni{this, QStringLiteral("grdIdentificazioni"), 6};
    form::ListControl cmbTipoDocumento{this, QStringLiteral("cmbTipoDocumento"), form::ControlKind::ComboBox,
                                       1};
    form::Control txtNumeroDocumento{this, QStringLiteral("txtNumeroDocumento"), form::ControlKind::TextBox};
    form::Control txtRilasciatoDa{this, QStringLiteral("txtRilasciatoDa"), form::ControlKind::TextBox};
    form::Control txtDataIdentificazione{this, QStringLiteral("txtDataIdentificazione"),
                                         form::ControlKind::TextBox};
    form::Control cmdSalva{this, QStringLiteral("cmdSalva"), form::ControlKind::Button};
    form::Control cmdChiudi{this, QStringLiteral("cmdChiudi"), form::ControlKind::Button};

private:
    void carica();
    void salva();
    bool rifiuta(const QString& testo, form::Control& campo);

    core::ComponentServices& m_services;
    ConnectionPtr m_conn;
    int m_anagrafica = 0;
    Professionista m_chi;
    QString m_codiceFiscale;
    bool m_persona = true;
};

}  // namespace tolmo::aml

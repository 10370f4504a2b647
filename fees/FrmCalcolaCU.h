#pragma once
// frmCalcolaCU: the unified court fee looked up in the brackets of value, halved on request.
// One instance serves the component's whole life: its three values keep what they were last
// given, so the case form sets all of them before every showing.

#include "FeeProposal.h"
#include "core/model/ComponentServices.h"
#include "core/model/MoneyField.h"
#include "form/Form.h"

namespace tolmo::fees {

class FrmCalcolaCU : public form::Form {
public:
    explicit FrmCalcolaCU(core::ComponentServices& services);

    bool Dimezzato = false;    ///< in: the looked-up fee is halved
    Currency ImportoProposto;  ///< in: an amount the case form decided; 0 asks for the look-up
    Currency ValoreCalcolo;    ///< in: the case value (or kValoreIndeterminabile); out: the fee

    /// Keeps the connection the brackets are read on.
    void SettaFormCU(ConnectionPtr conn) { m_conn = std::move(conn); }
    /// Loads the form from the three values and shows it modally until it is closed.
    void mostra();

    form::Control lblNota{this, QStringLiteral("lblNota"), form::ControlKind::Label};
    form::Control fraValore{this, QStringLiteral("fraValore"), form::ControlKind::Frame};
    core::MoneyField mskValore{this, QStringLiteral("mskValore")};
    form::Control lblIndeterminabile{this, QStringLiteral("lblIndeterminabile"), form::ControlKind::Label};
    form::CheckBox chkDimezza{this, QStringLiteral("chkDimezza")};
    core::MoneyField mskImportoContributo{this, QStringLiteral("mskImportoContributo")};
    form::Control cmdConsulta{this, QStringLiteral("cmdConsulta"), form::ControlKind::Button};
    form::Control cmdRiportaVal{this, QStringLiteral("cmdRiportaVal"), form::ControlKind::Button};
    form::Control cmdAnnulla{this, QStringLiteral("cmdAnnulla"), form::ControlKind::Button};

    /// The court-fee table the calculator opens: PathEXE, then "PdfInput" and the file's name.
    static QString percorsoDocumentazione(const QString& pathExe);

private:
    void carica();
    void cercaScaglione();
    void dimezzaImporto();
    void consulta();
    void mostraImporto(Currency importo);

    core::ComponentServices& m_services;
    ConnectionPtr m_conn;
    bool m_caricando = false;  ///< the form's fields are being reset: ticking halves nothing
};

}  // namespace tolmo::fees

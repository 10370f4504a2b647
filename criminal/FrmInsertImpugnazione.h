#pragma once
// frmInsertImpugnazione: the appeal deadline written into the firm's agenda for a case, as a
// reminder fifteen days ahead and the deadline itself, both in one transaction.

#include <QDate>

#include "access/Connection.h"
#include "access/Recordset.h"
#include "core/model/ComponentServices.h"
#include "form/Form.h"

namespace tolmo::criminal {

class FrmInsertImpugnazione : public form::Form {
public:
    /// How many days before the deadline the reminder starts.
    static constexpr int kGiorniPromemoria = 15;

    explicit FrmInsertImpugnazione(core::ComponentServices& services);

    /// Fills the form with the computation's message and deadline (kDataZero: none) for the
    /// case `caseId`, read and written on `conn`, and shows it modally until it is closed.
    void SettaFormImpugnazione(const QString& messaggio, const QDate& scadenza, ConnectionPtr conn,
                               int caseId, short editState);
    /// Fills the responsible list with the firm's users, by name.
    void CaricaUtenti();
    /// Writes the two entries for the deadline typed; false when nothing was written.
    bool InserisciScadenzaImpugnazione();

    form::Control lblMessag{this, QStringLiteral("lblMessag"), form::ControlKind::Label};
    form::Control FraInserimento{this, QStringLiteral("FraInserimento"), form::ControlKind::Frame};
    form::Control TolDataImpugnaz{this, QStringLiteral("TolDataImpugnaz"), form::ControlKind::TextBox};
    form::Control lblOre{this, QStringLiteral("lblOre"), form::ControlKind::Label};
    form::Control TDataOra{this, QStringLiteral("TDataOra"), form::ControlKind::TextBox};
    /// Columns: NomeUtente, ID_Utente.
    form::ListControl cmbResponsabile{this, QStringLiteral("cmbResponsabile"), form::ControlKind::ComboBox,
                                      2};
    form::Control cmdInserisciScadenza{this, QStringLiteral("cmdInserisciScadenza"),
                                       form::ControlKind::Button};
    form::Control cmdAnnulla{this, QStringLiteral("cmdAnnulla"), form::ControlKind::Button};

private:
    void scriviVoce(Recordset& voci, bool promemoria, const QDate& scadenza, const QString& parti,
                    int cliente);

    core::ComponentServices& m_services;
    ConnectionPtr m_conn;
    int m_caseId = 0;
    int m_responsabile = 0;
};

}  // namespace tolmo::criminal

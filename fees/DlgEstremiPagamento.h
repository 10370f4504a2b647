#pragma once
// dlgEstremiPagamento: how the court fee of a case was paid, by one postal bulletin, one F23
// form or any number of revenue stamps. Every save and deletion reaches EstremiPagamento at
// once, apart from the case's own save.

#include <QHash>
#include <QVariant>

#include "core/model/ComponentServices.h"
#include "core/model/MoneyField.h"
#include "form/Form.h"

namespace tolmo::fees {

/// The kinds of payment, in the order of the kind list (the stored TipoPagamento).
enum TipoPagamento { kBollettino = 0, kMarca = 1, kF23 = 2 };

class DlgEstremiPagamento : public form::Form {
public:
    explicit DlgEstremiPagamento(core::ComponentServices& services);

    /// The connection the payments are read and written on, and the case they belong to.
    void SettaFormEstremiPag(ConnectionPtr conn, int caseId);
    /// Loads the case's payments and shows the dialog modally until it is closed.
    void mostra();

    /// Deletes the current payment of the case, or all of them; false when it failed (reported).
    bool CancellaEstremiPagamento(int idPagamento, bool cancellaTutti);
    /// Checks the fields of the current kind, in order; the first failure is said and focused.
    bool VerificaDati();
    /// Writes the current kind's fields into the current row (a new one when there is none, or
    /// when bNuovo); false when the database refused (reported).
    bool RegistraPagamento();

    bool bIsModifica = false;  ///< set by the caller: the case is being modified
    bool bInModifica = false;  ///< a stamp is being entered or changed
    bool bNuovo = false;       ///< the next save adds a row
    int tipoCorrente() const { return m_tipo; }
    int rigaCorrente() const { return m_riga; }

    form::ListControl cmbTipoPagamento{this, QStringLiteral("cmbTipoPagamento"), form::ControlKind::ComboBox};
    form::Control fraBollettino{this, QStringLiteral("fraBollettino"), form::ControlKind::Frame};
    form::Control mskCodiceUfficio{this, QStringLiteral("mskCodiceUfficio"), form::ControlKind::TextBox};
    form::Control mskCodiceBollettino{this, QStringLiteral("mskCodiceBollettino"),
                                      form::ControlKind::TextBox};
    core::MoneyField mskImporto{this, QStringLiteral("mskImporto")};
    form::Control mskData{this, QStringLiteral("mskData"), form::ControlKind::TextBox};
    form::Control fraMarca{this, QStringLiteral("fraMarca"), form::ControlKind::Frame};
    form::Control fraMarche{this, QStringLiteral("fraMarche"), form::ControlKind::Frame};
    /// Columns: Id, Codice Marca, Importo ("€ 1.234,56"), Data.
    form::ListControl lstvMarche{this, QStringLiteral("lstvMarche"), form::ControlKind::ListBox, 4};
    form::Control txtCodiceMarca{this, QStringLiteral("txtCodiceMarca"), form::ControlKind::TextBox};
    core::MoneyField mskValoreMarca{this, QStringLiteral("mskValoreMarca")};
    form::Control mskDataMarca{this, QStringLiteral("mskDataMarca"), form::ControlKind::TextBox};
    form::Control fraF23{this, QStringLiteral("fraF23"), form::ControlKind::Frame};
    core::MoneyField mskImportoF23{this, QStringLiteral("mskImportoF23")};
    form::Control mskDataF23{this, QStringLiteral("mskDataF23"), form::ControlKind::TextBox};
    form::Control cmdNuovo{this, QStringLiteral("cmdNuovo"), form::ControlKind::Button};
    form::Control cmdSalva{this, QStringLiteral("cmdSalva"), form::ControlKind::Button};
    form::Control cmdModifica{this, QStringLiteral("cmdModifica"), form::ControlKind::Button};
    form::Control cmdCancella{this, QStringLiteral("cmdCancella"), form::ControlKind::Button};
    form::Control cmdAnnulla{this, QStringLiteral("cmdAnnulla"), form::ControlKind::Button};
    form::Control cmdPulisci{this, QStringLiteral("cmdPulisci"), form::ControlKind::Button};
    form::Control cmdOk{this, QStringLiteral("cmdOk"), form::ControlKind::Button};
    form::Control cmdChiudi{this, QStringLiteral("cmdChiudi"), form::ControlKind::Button};

private:
    /// Payments are recorded only while a stored case is modified; otherwise the dialog shows.
    bool modificabile() const { return bIsModifica && m_caseId > 0; }
    void attach();
    /// The dialog's load; false when the payments could not be read (reported).
    bool carica();
    bool CaricaPagamenti();
    void PulisciCampi();
    void cambiaTipo(int scelto);
    void mostraMarca(int riga);
    /// The stamp buttons: "&Nuovo" alone (as on opening), or those a shown stamp offers.
    void pulsantiApertura();
    void pulsantiMarca();
    /// The stamp buttons enabled: Nuovo, Salva, Modifica, Cancella, Annulla, Pulisci.
    void pulsanti(bool nuovo, bool salva, bool modifica, bool cancella, bool annulla, bool pulisci);
    void campiMarca(bool enabled);
    /// The list's first stamp shown, as a click on it; false when the list is empty.
    bool mostraPrimaMarca();
    bool qualcosaRegistrato() const;
    bool rifiuta(const QString& messaggio, form::Control& campo);
    void nuovo();
    void modifica();
    void salvaMarca();
    void cancellaMarca();
    void annulla();
    void salvaEChiudi();
    void esci();

    core::ComponentServices& m_services;
    ConnectionPtr m_conn;
    int m_caseId = 0;
    int m_tipo = kBollettino;
    int m_riga = 0;
    QHash<int, QVariant> m_versioni;  // each payment's row version as shown
    /// The payment's row written; throws DbError.
    void scriviPagamento();
};

}  // namespace tolmo::fees

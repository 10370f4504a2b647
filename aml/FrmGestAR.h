#pragma once
// frmGestAR ("Prestazione per antiriciclaggio"): the professional service of a case in the
// firm's anti-money-laundering archive. It shows whether the service is registered, under
// correction or consolidated; the service data, the professional who gave it, the subjects
// identified for it (GrigliaARPrest) and the other professionals involved (TDBGridAvv). A
// confirmation saves the service, its subjects and its professionals in one transaction.

#include <functional>

#include "FrmFrazionata.h"
#include "ServiceSubjects.h"
#include "access/Recordset.h"
#include "core/model/ComponentServices.h"
#include "core/model/MoneyField.h"
#include "form/Form.h"

namespace tolmo::aml {

class FrmGestAR : public form::Form {
public:
    /// The modes of the confirm button, read from its caption.
    enum Modo { Modifica = 0, Rettifica = 1, Registra = 2 };

    explicit FrmGestAR(core::ComponentServices& services);

    /// The connection, the case, the professional (the case's accounting user) and the case's
    /// value as typed; called before the form opens.
    void ValorizzaAR(ConnectionPtr conn, int caseId, int userId, const QString& importo);
    /// Opens the form's content: the lists, the stored service or the case's parties.
    void apri();
    /// The warning for a service below 12 500 euro, not split.
    void ControllaSoglia();
    /// What the archive still misses, as the person is told; "" when nothing.
    QString VerificaDatiMancanti();

    /// The identification editor of a party (its id); the subject grid is filled again after it.
    std::function<void(int anagrafica)> apriIdentificazione;

    form::ListControl cmbPresFornita{this, QStringLiteral("cmbPresFornita"), form::ControlKind::ComboBox, 2};
    form::Control DTDataReg{this, QStringLiteral("DTDataReg"), form::ControlKind::TextBox};
    core::MoneyField TDImportoPrest{this, QStringLiteral("TDImportoPrest")};
    form::ListControl cmbDivisa{this, QStringLiteral("cmbDivisa"), form::ControlKind::ComboBox, 3};
    form::Control fdIdeReg{this, QStringLiteral("fdIdeReg"), form::ControlKind::TextBox};
    form::ListControl cmbProfessionista{this, QStringLiteral("cmbProfessionista"),
                                        form::ControlKind::ComboBox, 4};
    form::Control txtpartitaIva{this, QStringLiteral("txtpartitaIva"), form::ControlKind::TextBox};
    form::ListControl cmbCodUte{this, QStringLiteral("cmbCodUte"), form::ControlKind::ComboBox, 4};
    form::Control lblNotaCodice{this, QStringLiteral("lblNotaCodice"), form::ControlKind::Label};
    form::CheckBox chkFrazionata{this, QStringLiteral("chkFrazionata")};
    form::CheckBox chkdaInse{this, QStringLiteral("chkdaInse")};
    form::Control lblStato1{this, QStringLiteral("lblStato1"), form::ControlKind::Label};
    form::Control lblStato2{this, QStringLiteral("lblStato2"), form::ControlKind::Label};
    form::Control lblRett{this, QStringLiteral("lblRett"), form::ControlKind::Label};
    /// ID, Cliente, Codice fiscale, Coinvolto, ID_AR, Identificazione di, per conto di, its id.
    form::Grid GrigliaARPrest{this, QStringLiteral("GrigliaARPrest"), 8};
    /// The identifications of the selected subject: NomeUtente, ID_AR, Codiceprof.
    form::ListControl DropDownUtenti{this, QStringLiteral("DropDownUtenti"), form::ControlKind::ComboBox, 3};
    /// The parties a subject may act for: id, name, id_ar, fiscal code.
    form::ListControl DropDownSoggetti{this, QStringLiteral("DropDownSoggetti"), form::ControlKind::ComboBox,
                                       4};
    form::Control cmdAnagAR{this, QStringLiteral("cmdAnagAR"), form::ControlKind::Button};
    form::Control fraCongiunta{this, QStringLiteral("fraCongiunta"), form::ControlKind::Frame};
    /// ID_Utente, Coinvolto, Professionisti coinvolti, Cod(*).
    form::Grid TDBGridAvv{this, QStringLiteral("TDBGridAvv"), 4};
    form::Control cmdConferma{this, QStringLiteral("cmdConferma"), form::ControlKind::Button};
    form::Control cmdVerificaDati{this, QStringLiteral("cmdVerificaDati"), form::ControlKind::Button};
    form::Control cmdCancella{this, QStringLiteral("cmdCancella"), form::ControlKind::Button};
    form::Control cmdAnnulla{this, QStringLiteral("cmdAnnulla"), form::ControlKind::Button};

    FrmFrazionata frmFrazionata;

private:
    bool registrata() const;
    void CaricaPrestazione();
    void riempiSoggetti(bool registrati);
    void mostraSoggetti(const QList<Soggetto>& soggetti);
    QList<Soggetto> soggetti() const;
    void CaricaProfessionisti();
    QList<Coinvolto> coinvolti() const;
    Professionista professionista() const;

    void sceltoProfessionista(int row);
    void sceltoCodice(int row);
    void frazionata();
    void soggettoModificato(int row, int column);
    void professionistaModificato(int row, int column);
    void tendina();
    void sceltaIdentificazione(int row);
    void sceltaPerConto(int row);

    void conferma();
    bool chiedi(const QString& domanda);
    /// False when the save failed (and was reported).
    bool SalvaPrestazione(Modo modo);
    /// Remembers the service row `rs` is on (none at its end) as the one the person was shown.
    void ricordaRiga(Recordset& rs);
    /// The service, its subjects and its professionals written; throws DbError.
    void scriviPrestazione(Modo modo);
    void EliminaPrestazione();

    core::ComponentServices& m_services;
    ConnectionPtr m_conn;
    int m_caseId = 0;
    QVariant m_versione;  ///< the service row's version as shown, null when none was registered
    QVariant m_idPrest;   ///< and its id (null: none): one deleted and registered again starts at 0 too
    int m_professionista = 0;
    QString m_importo;
    int m_soggetto = 0;
    bool m_caricamento = false;  ///< fields are being filled: their events are the program's own
};

}  // namespace tolmo::aml

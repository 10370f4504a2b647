#pragma once
// TolmoPratica: the case-file component a host embeds. It shows one case file on its
// headless form, talks to the person through an Interaction and tells the host what
// happened through its signals.

#include "CaseHeader.h"
#include "ComponentServices.h"
#include "FirmUser.h"
#include "ErrorReport.h"
#include "PraticaForm.h"
#include "PropertyBag.h"
#include "access/TolmoAccess.h"
#include "form/Interaction.h"
#include "platform/Settings.h"

#include <QObject>
#include <QSet>
#include <QString>
#include <QVariant>
#include <functional>

namespace tolmo {

class TolmoPratica : public QObject, private core::ComponentServices {
    Q_OBJECT
    Q_PROPERTY(bool AnagIns READ AnagIns WRITE setAnagIns)
    Q_PROPERTY(tolmo::Currency CAMBIO READ CAMBIO WRITE setCAMBIO)
    Q_PROPERTY(QString VALUTA READ VALUTA WRITE setVALUTA)
    Q_PROPERTY(QString CambioLiraEuro MEMBER CambioLiraEuro)

public:
    /// Edit states: 0 before Start, 1 consultation, 2 modification, 3 insertion.
    enum EditState : short { NotStarted = 0, Consultazione = 1, Modifica_ = 2, Inserimento_ = 3 };

    /// Creates the component (Initialize): fixed lists and layout; properties at their defaults.
    TolmoPratica(form::Interaction& ui, platform::Settings& settings, QObject* parent = nullptr);
    ~TolmoPratica() override;

    // Persisted properties.
    void InitProperties();
    void ReadProperties(const core::PropertyBag& bag);
    void WriteProperties(core::PropertyBag& bag) const;
    /// Property names marked changed since creation ("ConnTolmo", "Cambio", ...).
    const QSet<QString>& changedProperties() const { return m_changed; }

    // Connections: the component never opens or closes them.
    ConnectionPtr ConnTolmo() const { return m_connTolmo; }
    void setConnTolmo(ConnectionPtr c);
    ConnectionPtr ConnReadOnly() const { return m_connReadOnly; }
    void setConnReadOnly(ConnectionPtr c);
    ConnectionPtr ConnReadWrite() const { return m_connReadWrite; }
    void setConnReadWrite(ConnectionPtr c);

    bool AnagIns() const { return m_anagIns; }
    void setAnagIns(bool v);
    Currency CAMBIO() const { return m_cambio; }
    void setCAMBIO(Currency v);
    QString VALUTA() const { return m_valuta; }
    void setVALUTA(const QString& v);
    /// Lire per euro as ConfigGenerale holds it; filled by SetCambioLiraEuro.
    QString CambioLiraEuro;

    // Public methods.
    /// Prepares the component once the connections are set: lists filled, form empty and read-only.
    Q_INVOKABLE void Start();
    /// Releases the case on screen: edit state 0, no current case, cached ids reset.
    Q_INVOKABLE void Terminate();
    /// Empties every field, the header first; selects the general tab and hides the criminal one.
    Q_INVOKABLE void ClearAllForm();
    /// Shows the error report for the pending run-time error with the given action text.
    Q_INVOKABLE void GestTolmoErrors(const QString& szOriginatoDa);
    /// The Export flag of case `Id`, false when the case does not exist.
    Q_INVOKABLE bool IsExport(int Id);
    /// Loads the lire-per-euro rate from ConfigGenerale, unless the archive is the historical one.
    Q_INVOKABLE void SetCambioLiraEuro();
    /// Sets the header's client id; the names are not used.
    Q_INVOKABLE void SettaCliente(int Id, const QString& sCognome, const QString& sNome);
    Q_INVOKABLE void SettaValuta(const QString& szValuta, tolmo::Currency cCambio);
    Q_INVOKABLE void SettaDecimali(bool Decimali);
    Q_INVOKABLE void SettaFocusValore();
    Q_INVOKABLE void SettaCambioValuta(tolmo::Currency cCambio, const QString& cValuta);
    Q_INVOKABLE void FuocoPosizione();
    /// Switches the header between the current and the historical-archive presentation.
    Q_INVOKABLE void CambiaIntestazione(bool IntStorico);
    Q_INVOKABLE void SbloccaRiferimentiStorico();
    Q_INVOKABLE QString GetUtenteContabStorico();
    /// Moves the form for large screens when `b800` is false; the result is always empty.
    Q_INVOKABLE QVariant RedimensioningUserControl(bool b800);
    /// Fills the accounting-owner, referent, responsible and reserved-visibility lists.
    Q_INVOKABLE bool SettaContabilita(int idUt);
    /// "id|position|register|client\counterparty|accounting owner|dd/MM/yyyy".
    Q_INVOKABLE QString CreaStringaRecenti();

    // State the host and the driver read.
    short editState() const override { return m_editState; }
    int currentId() const { return m_currentId; }
    const QString& messageTitle() const override { return m_title; }
    /// The accounting owner held for the case (a user id, 0 when none).
    int idContabilita() const { return m_idContab; }
    /// The reserved-visibility choice: a user id (-1 for none) and a group name.
    int riservataUtente() const { return m_riservataUtente; }
    const QString& riservataGruppo() const { return m_riservataGruppo; }

    core::PraticaForm& form() { return m_form; }
    core::CaseHeader& header() { return m_header; }
    form::Interaction& interaction() { return m_ui; }

signals:
    void SetDummy();
    void InserisciCliente(const QString& Cognome, const QString& Nome);
    void SettaPratica(int Id);
    void RicalcoloParcella(tolmo::Currency cValore, short iRil, const QString& sValutaPratica, int IdPratica,
                           const QString& sAutorita, bool bChangeVal, bool bChangeRil);
    /// Declared for hosts; the component never raises it.
    void NoContabilita();
    void NewId(int Id);
    void EnableConferma(bool abilita);
    void ChangePratica();
    void RicalcoloParcellaOraria(int IdPratica, short iRicTariffa, tolmo::Currency ricFlat, double ricMagg);

private:
    // The services the parts of the form use.
    ConnectionPtr connTolmo() const override { return m_connTolmo; }
    ConnectionPtr connReadOnly() const override { return m_connReadOnly; }
    ConnectionPtr connReadWrite() const override { return m_connReadWrite; }
    form::Interaction& ui() override { return m_ui; }
    platform::Settings& settings() override { return m_settings; }
    const platform::CurrentUser& currentUser() override;
    bool filling() const override { return m_filling; }
    void raiseSetDummy() override { emit SetDummy(); }
    // Error trap: runs `body`; a failure rolls back an open transaction on the read-write
    // connection and shows the report with `action`. False when it failed.
    bool trap(const QString& action, const std::function<void()>& body) override;
    void markChanged(const QString& property) { m_changed.insert(property); }
    form::MsgAnswer message(const QString& text, form::MsgButtons buttons, form::MsgIcon icon, int defaultButton = 0);

    // Lists.
    void riempieLista(form::ListControl& list, const QString& sql);
    void RiempieClassificatore();
    void RiempieSottoarea();
    void RiempieTipologia();
    void CaricaFasiPenale();
    void CaricaProcacciatori();
    /// Fills cmbContabilita with the blank row and the accounting owners read on `conn`
    /// (with no owner the list stays empty unless `blankAlways`); the row of `preselect`
    /// (when not 0) is noted in `*found`.
    void riempieContabilita(ConnectionPtr conn, bool blankAlways, int preselect, int* found);
    int currentUserId() const;
    /// A row of cmbRiservata chosen: a user or a group may see the case.
    void sceltaRiservata(int row);

    // Free fields.
    void RipristinaCampiLiberi();
    // Form states.
    void ClearForm();
    void DisabilitaInput();
    void initialize();

    form::Interaction& m_ui;
    platform::Settings& m_settings;
    core::PraticaForm m_form;
    core::CaseHeader m_header;

    ConnectionPtr m_connTolmo, m_connReadOnly, m_connReadWrite;
    bool m_anagIns = false;
    Currency m_cambio;
    QString m_valuta = QStringLiteral("LIRA");
    QSet<QString> m_changed;

    short m_editState = NotStarted;
    bool m_filling = false;
    std::unique_ptr<core::FirmUser> m_user;  // read again when the settings name another user
    int m_currentId = 0;
    QString m_title;
    core::RunTimeError m_error;

    // Cached ids of the case on screen.
    int m_idCliente = 0, m_idControparte = 0, m_idAcp = 0, m_idFatturareA = 0, m_idClassificatore = 0,
        m_idCorrispondente = 0;
    QString m_nomeAcp, m_nomeCorrispondente, m_cognomeCorrispondente;
    int m_idContab = 0;
    int m_utenteContabilita = 0;  // the user last passed to SettaContabilita
    int m_riservataUtente = -1;   // -1 when a group (or nothing) was chosen
    QString m_riservataGruppo;    // empty when a user (or nothing) was chosen
};

}  // namespace tolmo

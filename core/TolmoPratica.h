#pragma once
// TolmoPratica: the case-file component a host embeds. It shows one case file on its
// headless form, talks to the person through an Interaction and tells the host what
// happened through its signals.

#include <QObject>
#include <QSet>
#include <QString>
#include <QVariant>
#include <functional>
#include <memory>
#include <vector>

#include "access/TolmoAccess.h"
#include "core/model/CaseHeader.h"
#include "core/model/CaseSection.h"
#include "core/model/ComponentServices.h"
#include "core/model/ErrorReport.h"
#include "core/model/FirmUser.h"
#include "core/model/PraticaForm.h"
#include "core/model/PropertyBag.h"
#include "form/Interaction.h"
#include "platform/Settings.h"

namespace tolmo {
namespace core {
struct DatiParcella;
}  // namespace core

class clsTariffa;

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
    /// Shows case `Id` read-only, with its additional parties; the edit state does not change.
    Q_INVOKABLE void VisualizzaPratica(int Id);
    /// Empties the form for a new case (position proposed, today's start date) and enters insertion.
    Q_INVOKABLE void Inserimento();
    /// Opens the current case for modification; false when no case is selected.
    Q_INVOKABLE bool Modifica();
    /// Makes `Id` (when greater than 1) the current case and opens it for modification.
    Q_INVOKABLE bool Modifica(int Id);
    /// Checks and saves the case being inserted or modified; true when it was saved.
    Q_INVOKABLE bool Conferma();
    /// Abandons the insertion or modification and shows the stored case again.
    Q_INVOKABLE void Annulla();
    /// Deletes the current case and its dependent rows after asking; true when it was deleted.
    Q_INVOKABLE bool Elimina();
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
    /// The mail announcing the case on screen to colleagues; empty when no case is shown.
    Q_INVOKABLE QVariant CreaTxtMail();
    /// Rebuilds AvvCoinvolti of case `idP` from its involved lawyers.
    Q_INVOKABLE void CreaTxtAvvCoinvolti(int idP);
    /// Hands the lawyers chosen during an insertion to case `idNew`, or lets them go (`bClear`).
    Q_INVOKABLE void AggIdNew(int idNew, bool bClear);
    /// The staging values of the stored case on screen for state `szStato`: "STATO", "TOKEN",
    /// "AREAPRACTICE", "ID_UTENTE", "RESPONSABILE", "COGNOMERESPONSABILE", "NOMERESPONSABILE",
    /// "INDIRIZZO_RESP".
    Q_INVOKABLE QVariantMap RetrieveDatiStaging(const QString& szStato);

    // State the host and the driver read.
    short editState() const override { return m_editState; }
    int currentId() const override { return m_currentId; }
    const QString& messageTitle() const override { return m_title; }
    /// The accounting owner held for the case (a user id, 0 when none).
    int idContabilita() const;

    /// The tariff of the case on screen, null until a case is shown.
    const clsTariffa* tariffa() const;

    core::PraticaForm& form() { return m_form; }
    core::CaseHeader& header() override { return m_header; }
    form::Interaction& interaction() { return m_ui; }

    // Sections: each subsystem's part of the case form joins the case cycle here.
    /// Creates section `S` on this component's services and form (and `others`, the sections it
    /// works with), and adds it after the others.
    template <class S, class... Others>
    S& addSection(Others&... others) {
        auto section = std::make_unique<S>(static_cast<core::ComponentServices&>(*this), m_form, others...);
        S& added = *section;
        m_sections.push_back(std::move(section));
        return added;
    }
    /// The first section of type `S`, nullptr when there is none.
    template <class S>
    S* section() const {
        for (const auto& s : m_sections)
            if (auto* found = dynamic_cast<S*>(s.get())) return found;
        return nullptr;
    }

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
    void raiseEnableConferma(bool abilita) override { emit EnableConferma(abilita); }
    void mostraPratica(int id) override { VisualizzaPratica(id); }
    // Error trap: runs `body`; a failure shows the report with `action`. False when it failed.
    // While a case is saved or deleted a failure goes on to the save's own trap: the person sees
    // one report, after the transaction guard rolled back.
    bool trap(const QString& action, const std::function<void()>& body) override;
    /// Runs `step` for every section, in order.
    void perSection(const std::function<void(core::CaseSection&)>& step);
    void markChanged(const QString& property) { m_changed.insert(property); }
    form::MsgAnswer message(const QString& text, form::MsgButtons buttons, form::MsgIcon icon,
                            int defaultButton = 0);

    // Lists.
    void riempieLista(form::ListControl& list, const QString& sql);
    void RiempieClassificatore();
    void RiempieSottoarea();
    void RiempieTipologia();
    int currentUserId() const;
    /// A row of cmbClassificatore chosen: the classifier of the case and its free fields.
    void sceltaClassificatore(int row);

    // Showing a case (Show.cpp).
    /// Copies an open case record into every field; the filling flag is up meanwhile. False
    /// when a read failed (reported with "Lettura Pratica"): the fields filled so far stay.
    bool RiempeCampiAVideo(Recordset& rs);
    /// The classifier list shows the case's classifier; gives what the sections are told of it.
    core::Classifier riempieClassificatore(Recordset& rs);
    void riempieValori(Recordset& rs);
    /// Reads the current case again (the query of VisualizzaPratica) into the header and the form.
    void ricaricaPratica();

    // Form states (FormStates.cpp, TabRules.cpp).
    void ClearForm();
    void DisabilitaInput();
    /// The frames an edit opens: the general data and the location, and the sections'.
    void abilitaModifica();
    /// What selecting tab `tab` of SSTabPratica enables, disables and refills.
    void cambiaScheda(int tab);
    /// The relevance field refuses more than 400% when it loses the focus.
    void controllaRilevanza();
    void initialize();

    // Editing (Editing.cpp).
    void NuovaPratica();
    void SettaNumAuto();
    bool GetIsNumAuto();
    /// Opens the current case's row for update and refills the form; false when it is gone.
    bool ModificaPratica();
    bool modifica(int Id);

    // Confirming and saving (Confirm.cpp, Save.cpp).
    bool VerificaInput();
    /// The client/counterparty cross-check; true with the question in `messaggio` on a conflict.
    bool ControllaClienteControparte(QString& messaggio);
    /// Offers to add the subject to its catalogue; may change the first of the question flags.
    void SaveOggetto(QString& bitRichiedi);
    /// Validates and writes the case; true when the row was written and committed.
    bool RegistraPratica(bool nuova);
    /// The save itself; `registrata` becomes true once the transaction is committed.
    bool registra(bool nuova, bool& registrata);
    /// The save's transaction, tried again once when the server broke it off for a clash with
    /// another workstation; a case changed elsewhere since it was shown asks what to do. False
    /// when the person chose not to save.
    bool scriviConflitti(bool nuova, const QString& bitRichiedi, core::SaveContext& ctx,
                         core::DatiParcella& prima, core::DatiParcella& dopo);
    void scrivi(bool nuova, const QString& bitRichiedi, core::SaveContext& ctx, core::DatiParcella& prima,
                core::DatiParcella& dopo);
    /// The next free position number, read in the save's transaction once the numbering is held.
    QString posizioneLibera();
    /// The sections' refusals, in order; true when one stopped the save (the person was told).
    bool rifiutata();
    /// Tells the person why a save or a deletion does not go on.
    void mostraRifiuto(const core::Refusal& rifiuto);
    void scriviPratica(Recordset& rs, const QString& bitRichiedi);
    void scriviParti(Recordset& rs);
    void scriviValori(Recordset& rs);
    /// After the commit, a provisional header shows its texts as the save wrote them.
    void applicaTestata();

    /// The sections the component itself registers (Sections.cpp), those it calls by name.
    struct Builtin;
    void registerSections();

    form::Interaction& m_ui;
    platform::Settings& m_settings;
    core::PraticaForm m_form;
    core::CaseHeader m_header;
    // After the form: sections unregister their controls from it when they go.
    std::vector<std::unique_ptr<core::CaseSection>> m_sections;
    std::unique_ptr<Builtin> m_builtin;

    ConnectionPtr m_connTolmo, m_connReadOnly, m_connReadWrite;
    bool m_anagIns = false;
    Currency m_cambio;
    QString m_valuta = QStringLiteral("LIRA");
    QSet<QString> m_changed;

    short m_editState = NotStarted;
    bool m_filling = false;
    bool m_writing = false;                  // a case is being saved or deleted: failures go to its own trap
    std::unique_ptr<core::FirmUser> m_user;  // read again when the settings name another user
    int m_currentId = 0;
    QString m_title;
    core::RunTimeError m_error;

    // The case record: the row opened by Modifica, or the whole table opened by Conferma of a
    // new case. Kept until the next edit replaces it.
    std::unique_ptr<AccessoDati> m_pratica;
    QVariant m_versione;         // the row version of the case the form holds: as last filled, or saved
    QString m_posizioneScritta;  // the position the save writes (the next free one, when automatic)
    QString m_ufficioModifica;   // office text when the modification began

    // Cached ids of the case on screen (the sections keep theirs).
    int m_idCliente = 0;
    core::Classifier m_classificatore;  // as shown or chosen: the save and the sections are told of it
};

}  // namespace tolmo

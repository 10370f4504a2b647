#include "FrmInsertImpugnazione.h"

#include "AppealDeadline.h"
#include "access/TolmoAccess.h"
#include "core/model/DateField.h"
#include "core/model/ListFill.h"
#include "form/Interaction.h"

namespace tolmo::criminal {

namespace {

const QString kFormatoData = QStringLiteral("dd/MM/yyyy");

}  // namespace

FrmInsertImpugnazione::FrmInsertImpugnazione(core::ComponentServices& services)
    : form::Form(QStringLiteral("frmInsertImpugnazione")), m_services(services) {
    setCaption(QStringLiteral("Scadenza impugnazione"));
    core::comeData(TolDataImpugnaz);
    TDataOra.setFormat(QString(), QStringLiteral("##:##"));
    lblOre.setCaption(QStringLiteral("Ore"));
    cmdInserisciScadenza.setCaption(QStringLiteral("&Inserisci scadenza"));
    cmdAnnulla.setCaption(QStringLiteral("&Annulla"));
    cmbResponsabile.on(form::EventKind::Choose, [this](form::ControlEvent& e) {
        m_responsabile = cmbResponsabile.cell(e.row, 1).toInt();
    });
    cmdInserisciScadenza.on(form::EventKind::Click,
                            [this](form::ControlEvent&) { InserisciScadenzaImpugnazione(); });
    cmdAnnulla.on(form::EventKind::Click, [this](form::ControlEvent&) { setShown(false); });
}

void FrmInsertImpugnazione::SettaFormImpugnazione(const QString& messaggio, const QDate& scadenza,
                                                  ConnectionPtr conn, int caseId, short editState) {
    lblMessag.setCaption(messaggio);
    // No deadline computed: the field stays empty for the person to type one.
    TolDataImpugnaz.setText(scadenza.isValid() && scadenza > kDataZero ? scadenza.toString(kFormatoData)
                                                                       : QString());
    m_conn = std::move(conn);
    m_caseId = caseId;
    CaricaUtenti();
    core::SelezionaInLista(1, QString::number(m_services.currentUser().id()), 0, cmbResponsabile);
    // The responsible user is the row shown as selected, chosen or not.
    m_responsabile = cmbResponsabile.selectedCell(1).toInt();
    const bool inserisce = editState == 2;
    cmdInserisciScadenza.setEnabled(inserisce);
    FraInserimento.setVisible(inserisce);
    m_services.ui().showModal(*this);
}

void FrmInsertImpugnazione::CaricaUtenti() {
    m_services.trap(QStringLiteral("Caricamento Utenti"), [&] {
        form::BusyPointer busy(m_services.ui());
        core::riempieLista(cmbResponsabile, m_conn,
                           QStringLiteral("SELECT * FROM Utenti ORDER BY NomeUtente"),
                           {QStringLiteral("NomeUtente"), QStringLiteral("ID_Utente")});
    });
}

bool FrmInsertImpugnazione::InserisciScadenzaImpugnazione() {
    const QString testo = TolDataImpugnaz.text();
    const QDate scadenza = core::dataDelCampo(testo);
    if (!scadenza.isValid()) {
        m_services.ui().messageBox(QStringLiteral("Inserire una data valida nel campo Termine impugnazione."),
                                   QStringLiteral("ATTENZIONE!"), form::MsgButtons::OK,
                                   form::MsgIcon::Critical);
        return false;
    }
    bool scritta = false;
    m_services.trap(QStringLiteral("Inserimento Scadenza Impugnazione"), [&] {
        AccessoDati pratica;
        pratica.Apri(m_conn,
                     QStringLiteral("SELECT * FROM Pratica INNER JOIN Anagrafica ON Pratica.Id_cliente = "
                                    "Anagrafica.id_ana WHERE id_pra=") +
                         QString::number(m_caseId),
                     adLockReadOnly);
        if (pratica.recordset().Eof()) return;  // no client row: nothing to write, nothing to say
        const QString parti = pratica.recordset().text(QStringLiteral("Cognome")) + QLatin1Char('\\') +
                              pratica.recordset().text(QStringLiteral("Controcognome"));
        const int cliente = pratica.recordset().value(QStringLiteral("ID_Cliente")).toInt();
        pratica.Chiudi();

        // Both entries or neither.
        Transaction transaction(*m_conn);
        AccessoDati voci;
        voci.Apri(
            m_conn,
            QStringLiteral("SELECT * FROM Scadenze WHERE Codice_Pra=") + QString::number(m_caseId) +
                QStringLiteral(" AND IsScadImpugnazione = TRUE AND Effettuato = FALSE ORDER BY Codice_Sca"),
            adLockOptimistic);
        Recordset& rs = voci.recordset();
        if (!rs.Eof() && rs.value(QStringLiteral("Data_End")).toDate() == scadenza &&
            m_services.ui().messageBox(QStringLiteral("L'adempimento è gia presente si vuole modificarlo?"),
                                       QStringLiteral("ATTENZIONE!"), form::MsgButtons::YesNo,
                                       form::MsgIcon::Information) != form::MsgAnswer::Yes)
            return;
        scriviVoce(rs, true, scadenza, parti, cliente);
        scriviVoce(rs, false, scadenza, parti, cliente);
        voci.Chiudi();
        transaction.commit();
        scritta = true;
    });
    if (scritta)
        m_services.ui().messageBox(QStringLiteral("L'adempimento è stato inserito correttamente"),
                                   QStringLiteral("TOLMO STUDIO"), form::MsgButtons::OK,
                                   form::MsgIcon::Information);
    return scritta;
}

// Each entry rewrites the next pending appeal entry of the case, or is added.
void FrmInsertImpugnazione::scriviVoce(Recordset& rs, bool promemoria, const QDate& scadenza,
                                       const QString& parti, int cliente) {
    if (rs.Eof()) rs.AddNew();
    // "  :  " (or the mask's blanks) is no time.
    const QString ora = QString(TDataOra.text()).remove(u':').remove(u'_').trimmed().isEmpty()
                            ? QStringLiteral("")
                            : TDataOra.text();
    rs.setValue(QStringLiteral("Codice_Pra"), m_caseId);
    rs.setValue(QStringLiteral("Parti"), parti);
    rs.setValue(QStringLiteral("Codice_Cli"), cliente);
    rs.setValue(QStringLiteral("Data_End"), scadenza);
    if (promemoria) rs.setValue(QStringLiteral("Data_Start"), scadenza.addDays(-kGiorniPromemoria));
    rs.setValue(QStringLiteral("Priorita"), 1);
    rs.setValue(QStringLiteral("IsMemo"), promemoria);
    rs.setValue(QStringLiteral("Scadenza"), promemoria ? QStringLiteral("Data scadenza impugnazione")
                                                       : QStringLiteral("Scadenza impugnazione"));
    rs.setValue(QStringLiteral("IsUdienza"), false);
    rs.setValue(QStringLiteral("Note"), QStringLiteral(""));
    rs.setValue(QStringLiteral("Ora"), ora);
    rs.setValue(QStringLiteral("IdResponsabile"), m_responsabile);
    rs.setValue(QStringLiteral("Responsabile"), cmbResponsabile.selectedCell(0));
    rs.setValue(QStringLiteral("Effettuato"), false);
    rs.setValue(QStringLiteral("IsScadImpugnazione"), true);
    rs.Update();
    if (!rs.Eof()) rs.MoveNext();
}

}  // namespace tolmo::criminal

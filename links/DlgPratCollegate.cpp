#include "DlgPratCollegate.h"

#include "access/PagedQuery.h"
#include "access/RowVersion.h"
#include "access/TolmoAccess.h"
#include "core/model/Clash.h"
#include "core/model/ListFill.h"

namespace tolmo::links {

namespace {

using form::ControlEvent;
using form::EventKind;

constexpr int kSegnaposto = 1;  ///< the placeholder party: a counterparty typed by hand

/// The columns the candidate list reads, in order.
enum Colonna {
    cPos,
    cCliCognome,
    cCliNome,
    cIdCp,
    cControCognome,
    cControNome,
    cCpCognome,
    cCpNome,
    cOgg,
    cPra
};

/// The five texts a candidate shows, from the columns its query reads.
QStringList testiCandidato(const QStringList& r) {
    const QString registrata =
        r[cCpCognome].isEmpty() ? QString() : TestiPratica::nomeParte(r[cCpCognome], r[cCpNome]);
    return {TestiPratica::ltrim(r[cPos]),
            TestiPratica::nomeParte(TestiPratica::ltrim(r[cCliCognome]), TestiPratica::ltrim(r[cCliNome])),
            TestiPratica::controparte(
                r[cIdCp].toInt(),
                TestiPratica::ltrim(r[cControCognome]) + TestiPratica::ltrim(r[cControNome]), registrata),
            TestiPratica::ltrim(r[cOgg]), r[cPra]};
}

}  // namespace

QString TestiPratica::nomeParte(const QString& cognome, const QString& nome) {
    return cognome + QLatin1Char(' ') + nome;
}

QString TestiPratica::controparte(int idControparte, const QString& digitata, const QString& registrata) {
    return idControparte == kSegnaposto ? digitata : registrata;
}

QString TestiPratica::ltrim(const QString& testo) {
    qsizetype i = 0;
    while (i < testo.size() && testo.at(i) == QLatin1Char(' ')) ++i;
    return testo.mid(i);
}

DlgPratCollegate::DlgPratCollegate(core::ComponentServices& services)
    : form::Form(QStringLiteral("dlgPratCollegate")), m_services(services) {
    setCaption(QStringLiteral("Pratiche collegate"));
    cmdCollega.setCaption(QStringLiteral("&Collega pratica"));
    cmdElimina.setCaption(QStringLiteral("&Elimina Collegamento"));
    cmdChiudi.setCaption(QStringLiteral("C&hiudi"));
    GrigliaImport.setColumnCaptions({QStringLiteral("id_pratica"), QStringLiteral("Posizione"),
                                     QStringLiteral("Num.Reg.Generale"), QStringLiteral("Cliente"),
                                     QStringLiteral("Controparte"), QStringLiteral("Oggetto")});
    GrigliaImport.setLocked(true);
    cmbPosizione.on(EventKind::Choose, [this](ControlEvent& e) { scegliCandidato(e.row); });
    cmdCollega.on(EventKind::Click, [this](ControlEvent&) { collega(); });
    cmdElimina.on(EventKind::Click, [this](ControlEvent&) { eliminaCollegamento(); });
    cmdChiudi.on(EventKind::Click, [this](ControlEvent&) { setShown(false); });
    // A click (a mouse click carries no row: the one under it is current by then), a move with
    // the arrows, or the focus reaching the grid selects the current row.
    GrigliaImport.on(EventKind::Click,
                     [this](ControlEvent& e) { selezionaRiga(e.row >= 0 ? e.row : GrigliaImport.row()); });
    GrigliaImport.on(EventKind::GotFocus, [this](ControlEvent&) { selezionaRiga(GrigliaImport.row()); });
    GrigliaImport.on(EventKind::DblClick,
                     [this](ControlEvent& e) { apriRiga(e.row >= 0 ? e.row : GrigliaImport.row()); });
}

void DlgPratCollegate::SettaFormPraticheCollegate(ConnectionPtr conn, int caseId, clsIDToPrat* answer) {
    m_conn = std::move(conn);
    m_caseId = caseId;
    m_answer = answer;
    m_chiave = caseId;
    m_candidato = m_selezionata = 0;
    lblPratica.setCaption(QString());
    cmdElimina.setEnabled(false);
    // One dialog serves the component's life: nothing of the case shown before stays.
    GrigliaImport.setTable({});
    cmbPosizione.clear();
    const bool letta = m_services.trap(QStringLiteral("Caricamento elenco pratiche collegate"), [&] {
        AccessoDati dati;
        dati.Apri(
            m_conn,
            QStringLiteral("SELECT R_IdCollegamento FROM Pratica WHERE id_pra=") + QString::number(caseId),
            adLockReadOnly);
        m_chiaveLetta =
            dati.recordset().Eof() ? 0 : dati.recordset().value(QStringLiteral("R_IdCollegamento")).toInt();
        if (m_chiaveLetta > 0) m_chiave = m_chiaveLetta;
        dati.Chiudi();
    });
    if (!letta) return;
    caricaGriglia();
    FillCmbPosizioni();
}

void DlgPratCollegate::FillCmbPosizioni() {
    cmbPosizione.clear();
    PagedQuery query{{QStringLiteral("p.Posizione"), QStringLiteral("a.Cognome"), QStringLiteral("a.Nome"),
                      QStringLiteral("p.ID_Controparte"), QStringLiteral("p.ControCognome"),
                      QStringLiteral("p.ControNome"), QStringLiteral("k.Cognome"), QStringLiteral("k.Nome"),
                      QStringLiteral("p.Oggetto"), QStringLiteral("p.ID_Pra")},
                     QStringLiteral("Pratica p INNER JOIN Anagrafica a ON a.ID_Ana = p.ID_Cliente "
                                    "LEFT JOIN Anagrafica k ON k.ID_Ana = p.ID_Controparte"),
                     QStringLiteral("p.R_IdCollegamento = 0 AND p.ID_Pra <> ") + QString::number(m_caseId) +
                         QStringLiteral(" AND p.ID_Pra <> 1"),
                     {QStringLiteral("p.PosizioneRicerca"), QStringLiteral("p.ID_Pra")}};
    form::BusyPointer busy(m_services.ui());
    core::riempieLista(
        cmbPosizione, m_conn, std::move(query),
        [this](const std::function<void()>& read) {
            m_services.trap(QStringLiteral("Caricamento elenco pratiche collegate"), read);
        },
        testiCandidato);
}

// The other cases of the group, never this one, nothing while this one is not linked.
void DlgPratCollegate::caricaGriglia() {
    QVector<QVector<QVariant>> tabella;
    m_services.trap(QStringLiteral("Caricamento elenco pratiche collegate"), [&] {
        form::BusyPointer busy(m_services.ui());
        AccessoDati dati;
        dati.Apri(
            m_conn,
            QStringLiteral(
                "SELECT p.ID_Pra, p.Posizione, p.ID_Cliente, a.Cognome AS CliCognome, a.Nome AS CliNome, "
                "p.ID_Controparte, p.ControCognome, p.ControNome, k.Cognome AS CpCognome, "
                "k.Nome AS CpNome, p.NumeroRegGenerale, p.Oggetto, p.ID_Contab, p.ID_Cla "
                "FROM Pratica p INNER JOIN Classificatore c ON c.ID_Cla = p.ID_Cla "
                "LEFT JOIN Anagrafica a ON a.ID_Ana = p.ID_Cliente "
                "LEFT JOIN Anagrafica k ON k.ID_Ana = p.ID_Controparte "
                "WHERE p.ID_Pra <> 1 AND p.R_IdCollegamento = ") +
                QString::number(m_chiave) + QStringLiteral(" AND p.R_IdCollegamento <> 0 AND p.ID_Pra <> ") +
                QString::number(m_caseId) + QStringLiteral(" ORDER BY p.ID_Pra"),
            adLockReadOnly);
        for (Recordset& rs = dati.recordset(); !rs.Eof(); rs.MoveNext()) {
            const auto t = [&rs](const char* c) { return rs.text(QString::fromLatin1(c)); };
            const QString cliente = rs.isNull(QStringLiteral("CliCognome"))
                                        ? QString()
                                        : TestiPratica::nomeParte(t("CliCognome"), t("CliNome"));
            const QString registrata = rs.isNull(QStringLiteral("CpCognome"))
                                           ? QString()
                                           : TestiPratica::nomeParte(t("CpCognome"), t("CpNome"));
            tabella.append(
                {rs.value(QStringLiteral("ID_Pra")), t("Posizione"), t("NumeroRegGenerale"), cliente,
                 TestiPratica::controparte(rs.value(QStringLiteral("ID_Controparte")).toInt(),
                                           TestiPratica::nomeParte(t("ControCognome"), t("ControNome")),
                                           registrata),
                 t("Oggetto")});
        }
        dati.Chiudi();
    });
    GrigliaImport.setTable(tabella);
    GrigliaImport.setCurrentCell(tabella.isEmpty() ? -1 : 0, tabella.isEmpty() ? -1 : 0);
}

void DlgPratCollegate::scegliCandidato(int row) {
    if (row < 0 || row >= cmbPosizione.rowCount()) {
        m_candidato = 0;
        return;
    }
    QString testo;
    for (int c = 0; c < 5; ++c) testo += cmbPosizione.cell(row, c) + QStringLiteral(" - ");
    lblPratica.setCaption(testo);
    m_candidato = cmbPosizione.cell(row, 4).toInt();
}

// Asked when the group changed elsewhere since the dialog showed it: Yes writes all the same.
core::SeCambiato DlgPratCollegate::seCambiato(bool& sopra) {
    core::SeCambiato cambiato;
    cambiato.titolo = QStringLiteral("Pratiche collegate");
    cambiato.cambiato = QStringLiteral(
        "Il collegamento di queste pratiche è stato modificato su un'altra postazione dopo che è stato "
        "mostrato "
        "qui.");
    cambiato.preparaSovrascrittura = [&sopra] { sopra = true; };
    cambiato.mostraAltra = [this] { SettaFormPraticheCollegate(m_conn, m_caseId, m_answer); };
    return cambiato;
}

// Both cases take the group's key in one transaction. Each must still be as the dialog showed
// it, the case in its group (or none) and the candidate in none, unless the person says otherwise.
void DlgPratCollegate::collega() {
    if (m_candidato <= 0) return;
    bool sopra = false;
    const core::SeCambiato cambiato = seCambiato(sopra);
    const auto scrivi = [&] {
        Transaction transaction(*m_conn);
        AccessoDati dati;
        dati.Apri(m_conn,
                  QStringLiteral("SELECT Id_Pra,R_IdCollegamento FROM Pratica WHERE id_pra=") +
                      QString::number(m_caseId) + QStringLiteral(" OR Id_Pra=") +
                      QString::number(m_candidato),
                  adLockOptimistic);
        for (Recordset& rs = dati.recordset(); !rs.Eof(); rs.MoveNext()) {
            const int letta = rs.value(QStringLiteral("Id_Pra")).toInt() == m_caseId ? m_chiaveLetta : 0;
            if (!sopra && rs.value(QStringLiteral("R_IdCollegamento")).toInt() != letta)
                throw DbError(rigaCambiataSentence(), QStringLiteral("Pratica"), DbError::kRigaCambiata);
            rs.setValue(QStringLiteral("R_IdCollegamento"), m_chiave);
            rs.Update();
        }
        dati.Chiudi();
        transaction.commit();
        m_chiaveLetta = m_chiave;
    };
    // A failure ends the link: the transaction left both cases as they were.
    if (!core::scriviSeNonCambiato(m_services, QStringLiteral("Collegamento pratica"), cambiato, scrivi))
        return;
    caricaGriglia();
    FillCmbPosizioni();  // the case just linked is a candidate no more
    cmbPosizione.setSelectedRow(-1);
    lblPratica.setCaption(QString());
    m_candidato = 0;
}

// The case leaves the group; a group of one is dissolved, a larger one takes the key of its
// first remaining case. All of it, or nothing, in one transaction.
void DlgPratCollegate::eliminaCollegamento() {
    if (m_selezionata < 1) return;
    int nuovaChiave = m_chiave;
    bool sopra = false;
    const core::SeCambiato cambiato = seCambiato(sopra);
    const auto scrivi = [&] {
        nuovaChiave = m_chiave;
        Transaction transaction(*m_conn);
        bool teneva = false;
        {
            AccessoDati dati;
            dati.Apri(m_conn,
                      QStringLiteral("SELECT Id_Pra,R_IdCollegamento FROM Pratica WHERE id_pra=") +
                          QString::number(m_selezionata),
                      adLockOptimistic);
            Recordset& rs = dati.recordset();
            if (!rs.Eof()) {
                teneva = rs.value(QStringLiteral("R_IdCollegamento")).toInt() == m_chiave;
                // Moved to another group, or out of this one, since the grid showed it.
                if (!teneva && !sopra)
                    throw DbError(rigaCambiataSentence(), QStringLiteral("Pratica"), DbError::kRigaCambiata);
                rs.setValue(QStringLiteral("R_IdCollegamento"), 0);
                rs.Update();
            }
            dati.Chiudi();
        }
        AccessoDati resto;
        resto.Apri(m_conn,
                   QStringLiteral("SELECT id_pra,R_IdCollegamento FROM Pratica WHERE R_IDCollegamento=") +
                       QString::number(m_chiave) + QStringLiteral(" ORDER BY id_pra"),
                   adLockOptimistic);
        Recordset& rs = resto.recordset();
        const int rimaste = rs.RecordCount();
        if (rimaste == 1) {
            rs.setValue(QStringLiteral("R_IdCollegamento"), 0);
            rs.Update();
            // Dissolved: a next link starts a group of this case's own.
            nuovaChiave = m_caseId;
        } else if (rimaste >= 2 && teneva) {
            rs.MoveFirst();
            nuovaChiave = rs.value(QStringLiteral("id_pra")).toInt();
            for (; !rs.Eof(); rs.MoveNext()) {
                rs.setValue(QStringLiteral("R_IdCollegamento"), nuovaChiave);
                rs.Update();
            }
        }
        resto.Chiudi();
        transaction.commit();
        m_chiave = nuovaChiave;
        m_chiaveLetta = rimaste == 1 ? 0 : nuovaChiave;  // the case's own key, as now stored
    };
    // A failure ends the removal: the transaction left the whole group as it was.
    if (!core::scriviSeNonCambiato(m_services, QStringLiteral("Eliminazione Collegamento Pratica"), cambiato,
                                   scrivi))
        return;
    m_selezionata = 0;
    cmdElimina.setEnabled(false);
    caricaGriglia();
}

void DlgPratCollegate::selezionaRiga(int row) {
    const QVariant id = GrigliaImport.cell(row, 0);
    if (id.isNull()) return;
    m_selezionata = id.toInt();
    cmdElimina.setEnabled(m_selezionata >= 1);
}

void DlgPratCollegate::apriRiga(int row) {
    const QVariant id = GrigliaImport.cell(row, 0);
    if (id.isNull() || !m_answer) return;
    m_answer->PraticaToOpen = id.toInt();
    if (m_answer->PraticaToOpen >= 1) setShown(false);
}

}  // namespace tolmo::links

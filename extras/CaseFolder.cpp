#include "CaseFolder.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "FolderName.h"
#include "access/SqlText.h"
#include "access/TolmoAccess.h"
#include "core/model/CaseHeader.h"

namespace tolmo::extras {

namespace {

using form::MsgAnswer;
using form::MsgButtons;
using form::MsgIcon;

const QString kCrLf = QStringLiteral("\r\n");
const QString kDocumenti = QStringLiteral("Documenti Pratiche");

/// A path as the firm's documents table keeps it: with this system's own separators.
QString memorizzato(const QString& percorso) { return QDir::toNativeSeparators(percorso); }

/// True when `percorso` is `cartella` itself or lies under it.
bool sotto(const QString& percorso, const QString& cartella) {
    if (!percorso.startsWith(cartella)) return false;
    if (percorso.size() == cartella.size()) return true;
    const QChar dopo = percorso.at(cartella.size());
    return dopo == QLatin1Char('/') || dopo == QLatin1Char('\\');
}

}  // namespace

bool Disco::esiste(const QString& cartella) const { return QFileInfo(cartella).isDir(); }
bool Disco::crea(const QString& cartella) { return QDir().mkpath(cartella); }
bool Disco::rinomina(const QString& da, const QString& a) { return QDir().rename(da, a); }
bool Disco::rimuovi(const QString& cartella) { return QDir().rmdir(cartella); }

QString radicePredefinita() {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
           QStringLiteral("/Tolmo Studio");
}

CaseFolder::CaseFolder(core::ComponentServices& services, core::PraticaForm&)
    : m_services(services), m_disco(std::make_unique<Disco>()) {}

QString CaseFolder::radiceScelta() const {
    return m_services.settings().value(QStringLiteral("startup"), QStringLiteral("PathRicerche"));
}

QString CaseFolder::cartellaDocumenti() const {
    QString radice = radiceScelta();
    if (radice.isEmpty()) radice = radicePredefinita();
    // A root typed with or without its last separator names the same folder.
    if (!radice.endsWith(QLatin1Char('/')) && !radice.endsWith(QLatin1Char('\\'))) radice += QLatin1Char('/');
    return QDir::fromNativeSeparators(radice + kDocumenti);
}

void CaseFolder::beginEdit() {
    m_ricordata.clear();
    if (m_services.editState() == 2) m_ricordata = CercaCartellaPratica();
}

QString CaseFolder::CercaCartellaPratica() {
    QString percorso;
    m_services.trap(QStringLiteral("Nome Cartella Pratica pre modifica"), [&] {
        // The marker ends the folder's name: a folder inside it never passes for it.
        AccessoDati dati;
        dati.Apri(
            m_services.connReadWrite(),
            QStringLiteral("SELECT Posizione FROM Documenti WHERE Codice_Pra = ? AND IsCartella = TRUE AND "
                           "Posizione LIKE ?") +
                kLikeEscape + QStringLiteral(" ORDER BY ID DESC"),
            adLockReadOnly,
            {m_services.currentId(),
             QStringLiteral("%") +
                 likeLiteral(QStringLiteral("_PID_") + QString::number(m_services.currentId()) +
                             QStringLiteral("_P"))});
        if (!dati.recordset().Eof()) percorso = dati.recordset().text(QStringLiteral("Posizione"));
        dati.Chiudi();
    });
    return percorso;
}

QString CaseFolder::NomeCartellaPratica(const QString& posizione) {
    QString nome;
    m_services.trap(QStringLiteral("Ottieni Nome Per Cartella Di Pratica"), [&] {
        AccessoDati dati;
        dati.Apri(m_services.connReadWrite(), QStringLiteral("SELECT StrutturaCartelle FROM ConfigGenerale"),
                  adLockReadOnly);
        const QString struttura =
            dati.recordset().Eof() ? QString() : dati.recordset().text(QStringLiteral("StrutturaCartelle"));
        dati.Chiudi();
        const core::CaseHeader& h = m_services.header();
        nome = nomeCartella(struttura, {h.cognomeCliente().trimmed(), h.cognomeControparte().trimmed(),
                                        posizione, m_services.currentId()});
    });
    return nome;
}

void CaseFolder::afterCommit(const core::SaveContext&) {
    CreaCartellaPratica(m_services.header().posizione().trimmed());
}

void CaseFolder::CreaCartellaPratica(const QString& posizione) {
    form::Interaction& ui = m_services.ui();
    QString percorso;  // the folder the case should have
    m_services.trap(QStringLiteral("Creazione Cartella Pratica"), [&] {
        const QString documenti = cartellaDocumenti();
        // The default root was never there to be deleted: it is made without a question.
        if (radiceScelta().isEmpty() && !m_disco->esiste(documenti)) crea(documenti);
        if (!m_disco->esiste(documenti)) {
            const MsgAnswer ricreare = ui.messageBox(
                QStringLiteral("ATTENZIONE La cartella Documenti Pratiche è stata cancellata.") + kCrLf +
                    QStringLiteral("Ricreare la Cartella?"),
                m_services.messageTitle(), MsgButtons::YesNo, MsgIcon::Information);
            m_services.raiseSetDummy();
            if (ricreare != MsgAnswer::Yes) return;
            crea(documenti);
        }
        const QString nome = NomeCartellaPratica(posizione);
        if (nome.isEmpty()) return;  // a structure the firm has not chosen: no folder
        percorso = documenti + QLatin1Char('/') + nome;
        if (m_disco->esiste(percorso)) return;

        if (m_services.editState() != 2 || m_ricordata.isEmpty() || !m_disco->esiste(m_ricordata)) {
            creaERegistra(percorso, nome);
            return;
        }
        const MsgAnswer procedere = ui.messageBox(
            QStringLiteral("ATTENZIONE!") + kCrLf +
                QStringLiteral(
                    "La cartella associata alla pratica verrà RINOMINATA sulla base delle modifiche "
                    "apportate alla pratica stessa.") +
                kCrLf + QStringLiteral("Si vuole procedere?") + kCrLf +
                QStringLiteral(
                    "NB. Se si sceglie 'No' NON verrà creata una nuova cartella per i futuri documenti, "
                    "lasciando invariata quella esistente."),
            m_services.messageTitle(), MsgButtons::YesNo, MsgIcon::Information);
        m_services.raiseSetDummy();
        if (procedere != MsgAnswer::Yes) return;
        if (!rinomina(percorso, nome)) creaERegistra(percorso, nome);
    });
    // A case saved again without leaving the edit (AnagIns) renames from the folder it has now.
    if (!percorso.isEmpty() && m_disco->esiste(percorso)) m_ricordata = memorizzato(percorso);
}

void CaseFolder::crea(const QString& cartella) {
    if (!m_disco->crea(cartella))
        throw DbError(QStringLiteral("Impossibile creare la cartella \"%1\".").arg(memorizzato(cartella)),
                      QStringLiteral("File system"), -1);
}

void CaseFolder::creaERegistra(const QString& percorso, const QString& nome) {
    crea(percorso);
    // A folder no row records would never be found again: it goes, and the person was told.
    if (!RegistraCartellaPratica(memorizzato(percorso), nome)) m_disco->rimuovi(percorso);
}

bool CaseFolder::RegistraCartellaPratica(const QString& percorso, const QString& nome) {
    return m_services.trap(QStringLiteral("Inserimento link cartella di pratica"), [&] {
        AccessoDati dati;
        dati.Apri(m_services.connReadWrite(), QStringLiteral("Documenti"), adLockOptimistic);
        Recordset& rs = dati.recordset();
        rs.AddNew();
        rs.setValue(QStringLiteral("Titolo"), nome);
        rs.setValue(QStringLiteral("Codice_Pra"), m_services.currentId());
        rs.setValue(QStringLiteral("Posizione"), percorso);
        rs.setValue(QStringLiteral("DataCreazione"),
                    QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")));
        rs.setValue(QStringLiteral("IsCartella"), true);
        rs.setValue(QStringLiteral("IsCartellaFascicolo"), true);
        rs.Update();
        dati.Chiudi();
    });
}

// The rows and the disk change together: the rows are rewritten in a transaction, the folder is
// renamed before the commit, and renamed back when the commit fails.
bool CaseFolder::rinomina(const QString& percorso, const QString& nome) {
    bool rinominata = false;
    const QString vecchia = m_ricordata;
    const bool scritta =
        m_services.trap(QStringLiteral("Inserimento link cartella di pratica rinominata"), [&] {
            const ConnectionPtr conn = m_services.connReadWrite();
            Transaction transazione(*conn);
            RinominaCartellaPratica(vecchia, memorizzato(percorso), nome);
            if (!m_disco->rinomina(vecchia, percorso)) return;  // the rows roll back
            try {
                transazione.commit();
            } catch (...) {
                m_disco->rinomina(percorso, vecchia);
                throw;
            }
            rinominata = true;
        });
    // Only a refusal of the disk leads to a new folder; a failed write was reported.
    return rinominata || !scritta;
}

void CaseFolder::RinominaCartellaPratica(const QString& vecchio, const QString& nuovo, const QString& nome) {
    const ConnectionPtr conn = m_services.connReadWrite();
    struct Riga {
        QVariant id;
        QString posizione;
        bool cartella = false;
    };
    QList<Riga> righe;
    {
        // LIKE narrows the rows (SQLite ignores the letter case); the prefix is compared here.
        AccessoDati dati;
        dati.Apri(conn,
                  QStringLiteral("SELECT ID, Posizione, IsCartella FROM Documenti WHERE Posizione LIKE ?") +
                      kLikeEscape,
                  adLockReadOnly, {likeLiteral(vecchio) + QLatin1Char('%')});
        Recordset& rs = dati.recordset();
        for (; !rs.Eof(); rs.MoveNext()) {
            const QString p = rs.text(QStringLiteral("Posizione"));
            if (sotto(p, vecchio))
                righe.append(
                    {rs.value(QStringLiteral("ID")), p, rs.value(QStringLiteral("IsCartella")).toBool()});
        }
        dati.Chiudi();
    }
    for (const Riga& r : righe) {
        const QString nuova = nuovo + r.posizione.mid(vecchio.size());
        // The case's own folder row takes the new name too; the folders inside it keep theirs.
        if (r.cartella && r.posizione.size() == vecchio.size())
            conn->Execute(QStringLiteral("UPDATE Documenti SET Posizione = ?, Titolo = ? WHERE ID = ?"),
                          {nuova, nome, r.id});
        else
            conn->Execute(QStringLiteral("UPDATE Documenti SET Posizione = ? WHERE ID = ?"), {nuova, r.id});
    }
}

}  // namespace tolmo::extras

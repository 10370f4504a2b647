#include "PartyGrid.h"

#include "PartyLookups.h"
#include "access/RowVersion.h"
#include "access/SqlText.h"
#include "access/TolmoAccess.h"
#include "core/model/Clash.h"
#include "core/model/ColumnLimits.h"

namespace tolmo::parties {

namespace {

using form::ControlEvent;
using form::EventKind;

constexpr int kSegnaposto = 1;  ///< the register's placeholder: a name typed by hand

QString idText(const QVariant& v) { return v.isNull() ? QString() : v.toString().trimmed(); }

}  // namespace

PartyGrid::PartyGrid(core::ComponentServices& services, PartyGridKind kind, core::Grid& grid,
                     core::ListControl& drop, core::Control& piu, core::Control& meno)
    : m_services(services), m_kind(std::move(kind)), m_grid(grid), m_drop(drop) {
    m_grid.on(EventKind::Change, [this](ControlEvent& e) {
        m_services.raiseEnableConferma(false);
        aggiornaRiga(e.row);
    });
    m_grid.on(EventKind::DropDown, [this](ControlEvent&) { caricaDrop(); });
    m_drop.on(EventKind::Choose, [this](ControlEvent& e) { scegli(e.row); });
    m_drop.on(EventKind::KeyDown, [this](ControlEvent& e) {
        if (e.key != form::keys::Esc) return;
        m_drop.setVisible(false);
        m_grid.setFocus();
    });
    piu.on(EventKind::Click, [this](ControlEvent&) { aggiungi(); });
    meno.on(EventKind::Click, [this](ControlEvent&) { rimuovi(); });
}

// A register party shows its register names, a name typed by hand (party 1) the row's own.
void PartyGrid::carica(const ConnectionPtr& conn, int caseId) {
    QVector<QVector<QVariant>> table;
    AccessoDati dati;
    dati.Apri(
        conn,
        QStringLiteral("SELECT Anagrafica.ID_Ana, Anagrafica.Cognome, Anagrafica.Nome, "
                       "MultiIntesta.ID_Ana AS MU_IDANA, MultiIntesta.IsCliente, "
                       "MultiIntesta.Cognome AS MU_COGNOME, MultiIntesta.Nome AS MU_NOME, "
                       "MultiIntesta.ID_Multi, MultiIntesta.VersioneRiga "
                       "FROM  Anagrafica INNER JOIN MultiIntesta ON Anagrafica.ID_Ana = MultiIntesta.ID_Ana "
                       "  WHERE Id_Pra = ") +
            QString::number(caseId) +
            (m_kind.cliente ? QStringLiteral(" AND IsCliente = TRUE")
                            : QStringLiteral(" AND IsCliente = FALSE")) +
            QStringLiteral(" ORDER BY MultiIntesta.ID_Multi"),
        adLockReadOnly);
    m_versioni.clear();
    for (Recordset& rs = dati.recordset(); !rs.Eof(); rs.MoveNext()) {
        m_versioni.insert(rs.value(QStringLiteral("ID_Multi")).toInt(), rs.value(kVersioneRiga));
        const int id = rs.value(QStringLiteral("MU_IDANA")).toInt();
        const bool libero = id == kSegnaposto;
        table.append({rs.text(libero ? QStringLiteral("MU_COGNOME") : QStringLiteral("Cognome")),
                      rs.text(libero ? QStringLiteral("MU_NOME") : QStringLiteral("Nome")), id,
                      rs.value(QStringLiteral("ID_Multi")).toInt()});
    }
    dati.Chiudi();
    m_grid.setTable(std::move(table));
    m_grid.setCurrentCell(m_grid.rowCount() > 0 ? 0 : -1, m_grid.rowCount() > 0 ? 0 : -1);
}

// The rows of a failed write are read again, so the grid never shows what was not stored.
void PartyGrid::ricarica() {
    m_services.trap(azione(QStringLiteral("Caricamento")),
                    [&] { carica(m_services.connReadWrite(), m_services.currentId()); });
}

void PartyGrid::aggiungi() {
    const int caseId = m_services.currentId();
    if (caseId <= 0) {
        m_services.ui().messageBox(
            QStringLiteral("Impossibile inserire ") + m_kind.parte + QLatin1Char('.') + QLatin1Char('\r') +
                QStringLiteral("E' necessario inserire una pratica."),
            QStringLiteral("Tolmo Studio"), form::MsgButtons::OK, form::MsgIcon::Information);
    } else {
        m_services.trap(azione(QStringLiteral("Inserimento")), [&] {
            form::BusyPointer busy(m_services.ui());
            const ConnectionPtr conn = m_services.connReadWrite();
            Transaction transaction(*conn);
            AccessoDati dati;
            dati.Apri(conn, QStringLiteral("MultiIntesta"), adLockOptimistic);
            Recordset& rs = dati.recordset();
            rs.AddNew();
            rs.setValue(QStringLiteral("ID_Ana"), kSegnaposto);
            rs.setValue(QStringLiteral("ID_Pra"), caseId);
            rs.setValue(QStringLiteral("IsCliente"), m_kind.cliente);
            rs.setValue(QStringLiteral("Cognome"), QString(""));
            rs.setValue(QStringLiteral("Nome"), QString(""));
            rs.Update();
            dati.Chiudi();
            transaction.commit();
        });
    }
    ricarica();
    posizionaUltimaRiga();
}

// A row chosen from the register and then edited by hand becomes a name typed by hand.
void PartyGrid::aggiornaRiga(int row) {
    const QString idMulti = idText(m_grid.cell(row, kColIdMulti));
    if (idMulti.isEmpty()) return;
    const QString action = azione(QStringLiteral("Aggiornamento"));
    int id = idText(m_grid.cell(row, kColIdAna)).toInt();
    if (id <= 0) id = kSegnaposto;
    const QString cognome = m_grid.cell(row, kColCognome).toString();
    const QString nome = m_grid.cell(row, kColNome).toString();
    const bool letto = id == kSegnaposto || m_services.trap(action, [&] {
        AccessoDati registro;
        registro.Apri(m_services.connReadWrite(),
                      QStringLiteral("SELECT * FROM Anagrafica WHERE Id_Ana = ") + QString::number(id),
                      adLockReadOnly);
        Recordset& r = registro.recordset();
        if (r.Eof() || r.text(QStringLiteral("Cognome")) != cognome || r.text(QStringLiteral("Nome")) != nome)
            id = kSegnaposto;
        registro.Chiudi();
    });
    if (!letto) {
        ricarica();
        return;
    }
    m_grid.setCell(row, kColIdAna, id);
    QVariant versione;
    const bool scritta = scriviRiga(action, idMulti.toInt(), [&](Recordset& rs) {
        if (id == kSegnaposto) {
            rs.setValue(QStringLiteral("Cognome"),
                        core::entroColonna(QStringLiteral("MultiIntesta"), QStringLiteral("Cognome"),
                                           cognome.trimmed()));
            rs.setValue(QStringLiteral("Nome"), core::entroColonna(QStringLiteral("MultiIntesta"),
                                                                   QStringLiteral("Nome"), nome.trimmed()));
        }
        rs.setValue(QStringLiteral("ID_Ana"), id);
        rs.Update();
        versione = rs.value(kVersioneRiga);
    });
    // Kept once committed: a write rolled back leaves the version the grid showed.
    if (scritta && !versione.isNull()) m_versioni.insert(idMulti.toInt(), versione);
}

void PartyGrid::rimuovi() {
    const QString idMulti = idText(m_grid.cell(m_grid.row(), kColIdMulti));
    if (idMulti.isEmpty()) return;
    if (scriviRiga(azione(QStringLiteral("Cancellazione")), idMulti.toInt(),
                   [](Recordset& rs) { rs.Delete(); }))
        ricarica();
}

// The row and its reading back are one transaction: a failure leaves the row as it was, and the
// grid shows the stored rows again.
bool PartyGrid::scriviRiga(const QString& action, int idMulti,
                           const std::function<void(Recordset&)>& cambia) {
    core::SeCambiato cambiata;
    cambiata.titolo = QStringLiteral("Tolmo Studio");
    cambiata.cambiato = QStringLiteral(
        "Questa riga è stata modificata su un'altra postazione dopo che è stata mostrata qui.");
    cambiata.preparaSovrascrittura = [&] { m_versioni.remove(idMulti); };
    cambiata.mostraAltra = [this] { ricarica(); };
    const auto scrivi = [&] {
        const ConnectionPtr conn = m_services.connReadWrite();
        Transaction transaction(*conn);
        AccessoDati dati;
        dati.Apri(conn,
                  QStringLiteral("SELECT * FROM MultiIntesta WHERE ID_Multi = ") + QString::number(idMulti),
                  adLockOptimistic);
        if (!dati.recordset().Eof()) {
            if (m_versioni.contains(idMulti)) dati.recordset().expectVersion(m_versioni.value(idMulti));
            cambia(dati.recordset());
        }
        dati.Chiudi();
        transaction.commit();
    };
    bool scritta = false;
    const bool ok = m_services.trap(
        action, [&] { scritta = core::scriviSeNonCambiato(m_services.ui(), cambiata, scrivi); });
    if (!ok) ricarica();
    return ok && scritta;
}

QString PartyGrid::filtroDrop() const {
    return QStringLiteral("(Categoria = ") + ApiciSQL(m_kind.categoria) +
           QStringLiteral(" OR Categoria Is Null) AND (StatoPolis < 2  OR StatoPolis Is Null )");
}

// The drop-down reads the register a page at a time, however many parties the firm has.
void PartyGrid::caricaDrop() {
    const int row = m_grid.row();
    m_drop.setText(m_grid.cell(row, kColCognome).toString());
    riempieDaRegistro(m_services, m_drop, TypeAheadQuery{filtroDrop()}, azione(QStringLiteral("Ricerca")));
    // Nothing matches: nothing opens.
    if (m_drop.rowCount() == 0) return;
    m_drop.setVisible(true);
    m_drop.setSelectedRow(0);
    m_drop.setFocus();
}

void PartyGrid::scegli(int dropRow) {
    const int row = m_grid.row();
    m_drop.setVisible(false);
    if (dropRow < 0 || dropRow >= m_drop.rowCount() || row < 0 || row >= m_grid.rowCount()) return;
    m_grid.setCell(row, kColCognome, m_drop.cell(dropRow, 0));
    m_grid.setCell(row, kColNome, m_drop.cell(dropRow, 1));
    m_grid.setCell(row, kColIdAna, m_drop.cell(dropRow, 2).toInt());
    m_services.raiseEnableConferma(false);
    aggiornaRiga(row);
    m_grid.setFocus();
}

void PartyGrid::posizionaUltimaRiga() {
    m_grid.setCurrentCell(m_grid.rowCount() - 1, 0);
    m_grid.setFocus();
}

void PartyGrid::posizionaPrimaRiga() { m_grid.setCurrentCell(m_grid.rowCount() > 0 ? 0 : -1, 0); }

}  // namespace tolmo::parties

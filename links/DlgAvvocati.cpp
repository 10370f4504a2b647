#include "DlgAvvocati.h"

#include <QSqlQuery>

#include "access/TolmoAccess.h"
#include "core/model/CaseValues.h"
#include "core/model/Clash.h"

namespace tolmo::links {

namespace {
using form::ControlEvent;
using form::EventKind;
const QString kAzione = QStringLiteral("Caricamento Utenti coinvolti");
}  // namespace

DlgAvvocati::DlgAvvocati(core::ComponentServices& services)
    : form::Form(QStringLiteral("dlgAvvocati")), m_services(services) {
    setCaption(QStringLiteral("Altri avvocati"));
    TDBGridAvv1.setColumnCaptions({QStringLiteral("Id"), QStringLiteral("Utenti dello studio")});
    TDBGridAvvSel.setColumnCaptions({QStringLiteral("idpraute"), QStringLiteral("Pratica"),
                                     QStringLiteral("IdAvvocato"), QStringLiteral("Avvocati Coinvolti")});
    TDBGridAvv1.setLocked(true);
    TDBGridAvvSel.setLocked(true);
    cmdAdd.setCaption(QStringLiteral(">"));
    cmdAllAdd.setCaption(QStringLiteral(">>"));
    cmdSott.setCaption(QStringLiteral("<"));
    cmdAllSott.setCaption(QStringLiteral("<<"));
    cmdEsc.setCaption(QStringLiteral("&Esci"));
    cmdAdd.setToolTip(QStringLiteral("Coinvolge l'utente scelto"));
    cmdAllAdd.setToolTip(QStringLiteral("Coinvolge tutti gli utenti"));
    cmdSott.setToolTip(QStringLiteral("Toglie l'avvocato scelto"));
    cmdAllSott.setToolTip(QStringLiteral("Toglie tutti gli avvocati"));
    cmdAdd.on(EventKind::Click, [this](ControlEvent&) { aggiungi(TDBGridAvv1.row(), TDBGridAvv1.row()); });
    cmdAllAdd.on(EventKind::Click, [this](ControlEvent&) { aggiungi(0, TDBGridAvv1.rowCount() - 1); });
    cmdSott.on(EventKind::Click, [this](ControlEvent&) {
        const QVariant id = TDBGridAvvSel.cell(TDBGridAvvSel.row(), 0);
        if (!id.isNull())
            togli(QStringLiteral("SELECT * FROM R_PraUte WHERE idpraute=") + QString::number(id.toInt()));
    });
    cmdAllSott.on(EventKind::Click, [this](ControlEvent&) {
        togli(QStringLiteral("SELECT * FROM R_PraUte WHERE id_prasel=") + QString::number(m_caseId));
    });
    cmdEsc.on(EventKind::Click, [this](ControlEvent&) { setShown(false); });
}

void DlgAvvocati::SettaAltriAvvocati(int caseId, ConnectionPtr conn, short editState) {
    m_caseId = caseId;
    m_conn = std::move(conn);
    m_editState = editState;
}

void DlgAvvocati::mostra() {
    carica();
    const bool modificabile = m_editState != 1;
    for (form::Control* f : {&fraDisponibili, &fraCoinvolti, &fraPulsanti}) f->setEnabled(modificabile);
    m_services.ui().showModal(*this);
}

// The users already involved are left out of the available ones.
void DlgAvvocati::carica() {
    QVector<QVector<QVariant>> coinvolti, disponibili;
    m_services.trap(kAzione, [&] {
        QStringList esclusi;
        AccessoDati sel;
        sel.Apri(
            m_conn,
            QStringLiteral("SELECT idpraute,id_PraSel,id_AvvSel,NomeAvv FROM R_PraUte WHERE id_prasel=") +
                QString::number(m_caseId) + QStringLiteral(" ORDER BY idpraute"),
            adLockReadOnly);
        for (Recordset& rs = sel.recordset(); !rs.Eof(); rs.MoveNext()) {
            coinvolti.append({rs.value(QStringLiteral("idpraute")), m_caseId,
                              rs.value(QStringLiteral("id_AvvSel")), rs.text(QStringLiteral("NomeAvv"))});
            esclusi << QString::number(rs.value(QStringLiteral("id_AvvSel")).toInt());
        }
        sel.Chiudi();
        AccessoDati utenti;
        utenti.Apri(m_conn,
                    QStringLiteral("SELECT id_utente,nomeutente,nomeesteso FROM utenti") +
                        (esclusi.isEmpty()
                             ? QString()
                             : QStringLiteral(" WHERE id_utente NOT IN (") + esclusi.join(u',') + u')') +
                        QStringLiteral(" ORDER BY id_utente"),
                    adLockReadOnly);
        for (Recordset& rs = utenti.recordset(); !rs.Eof(); rs.MoveNext())
            disponibili.append(
                {rs.value(QStringLiteral("id_utente")), rs.text(QStringLiteral("nomeutente"))});
        utenti.Chiudi();
    });
    TDBGridAvvSel.setTable(coinvolti);
    TDBGridAvv1.setTable(disponibili);
    for (form::Grid* g : {&TDBGridAvvSel, &TDBGridAvv1}) g->setCurrentCell(g->rowCount() > 0 ? 0 : -1, 0);
    cmdSott.setEnabled(!coinvolti.isEmpty());
    cmdAllSott.setEnabled(!coinvolti.isEmpty());
    cmdAdd.setEnabled(!disponibili.isEmpty());
    cmdAllAdd.setEnabled(!disponibili.isEmpty());
}

void DlgAvvocati::aggiungi(int from, int to) {
    if (from < 0 || to >= TDBGridAvv1.rowCount() || from > to) return;
    m_services.trap(kAzione, [&] {
        Transaction transaction(*m_conn);
        // Another workstation may have involved the same lawyer since the list was shown: he is
        // listed once, and the list shown next holds everyone's. Rows of a case not saved yet
        // (0) belong to no one in particular and are not looked at.
        if (m_caseId > 0) core::prendiTurno(*m_conn);
        AccessoDati dati;
        dati.Apri(m_conn, QStringLiteral("R_PraUte"), adLockOptimistic);
        Recordset& rs = dati.recordset();
        for (int r = from; r <= to; ++r) {
            if (m_caseId > 0) {
                QSqlQuery gia = m_conn->query(
                    QStringLiteral("SELECT 1 FROM R_PraUte WHERE id_PraSel = ? AND id_AvvSel = ?"),
                    {m_caseId, TDBGridAvv1.cell(r, 0).toInt()});
                if (gia.next()) continue;
            }
            rs.AddNew();
            rs.setValue(QStringLiteral("id_PraSel"), m_caseId);
            rs.setValue(QStringLiteral("id_AvvSel"), TDBGridAvv1.cell(r, 0).toInt());
            rs.setValue(QStringLiteral("NomeAvv"), TDBGridAvv1.cell(r, 1).toString());
            rs.Update();
        }
        dati.Chiudi();
        transaction.commit();
    });
    carica();
}

void DlgAvvocati::togli(const QString& sql) {
    m_services.trap(kAzione, [&] {
        Transaction transaction(*m_conn);
        AccessoDati dati;
        dati.Apri(m_conn, sql, adLockOptimistic);
        for (Recordset& rs = dati.recordset(); !rs.Eof();) {
            rs.Delete();
            rs.MoveNext();
        }
        dati.Chiudi();
        transaction.commit();
    });
    carica();
}

void CreaTxtAvvCoinvolti(const ConnectionPtr& conn, int idP) {
    QString testo;
    {
        AccessoDati avvocati;
        avvocati.Apri(conn,
                      QStringLiteral("SELECT * FROM R_PraUte WHERE Id_PraSel=") + QString::number(idP) +
                          QStringLiteral(" ORDER BY idpraute"),
                      adLockReadOnly);
        for (Recordset& rs = avvocati.recordset(); !rs.Eof(); rs.MoveNext())
            testo += (testo.isEmpty() ? QString() : QStringLiteral(",")) + rs.text(QStringLiteral("NomeAvv"));
        avvocati.Chiudi();
    }
    AccessoDati pratica;
    pratica.Apri(
        conn, QStringLiteral("SELECT id_pra,avvcoinvolti FROM Pratica WHERE id_pra=") + QString::number(idP),
        adLockOptimistic);
    Recordset& rs = pratica.recordset();
    if (!rs.Eof()) {
        core::scriviTesto(rs, QStringLiteral("AvvCoinvolti"), testo);  // no lawyer: cleared
        rs.Update();
    }
    pratica.Chiudi();
}

void AggIdNew(const ConnectionPtr& conn, int idNew, bool bClear) {
    AccessoDati dati;
    dati.Apri(conn, QStringLiteral("SELECT * FROM R_PraUte WHERE id_PraSel=0"), adLockOptimistic);
    for (Recordset& rs = dati.recordset(); !rs.Eof(); rs.MoveNext()) {
        if (bClear) {
            rs.Delete();
        } else {
            rs.setValue(QStringLiteral("id_PraSel"), idNew);
            rs.Update();
        }
    }
    dati.Chiudi();
}

}  // namespace tolmo::links

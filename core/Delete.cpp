// Deleting a case with its agenda, activities, documents, additional parties and criminal row;
// its invoices stay, detached from it.

#include "TolmoPratica.h"

namespace tolmo {

namespace {

using form::MsgAnswer;
using form::MsgButtons;
using form::MsgIcon;

/// Deletes, one by one, every row of `sql` on `conn`.
void eliminaRighe(const ConnectionPtr& conn, const QString& sql) {
    AccessoDati dati;
    dati.Apri(conn, sql, adLockOptimistic);
    for (Recordset& rs = dati.recordset(); !rs.Eof(); rs.MoveNext()) rs.Delete();
    dati.Chiudi();
}

}  // namespace

bool TolmoPratica::Elimina() {
    if (m_currentId == 0) {
        message(QStringLiteral("Non è selezionata nessuna pratica."), MsgButtons::OK, MsgIcon::Information);
        emit SetDummy();
        return false;
    }
    const MsgAnswer risposta =
        message(QStringLiteral("Vuoi Cancellare la Pratica Selezionata ?"), MsgButtons::YesNo, MsgIcon::None);
    emit SetDummy();
    if (risposta != MsgAnswer::Yes) return false;

    const QString id = QString::number(m_currentId);
    bool eliminata = false;
    trap(QStringLiteral("Cancellazione Pratica"), [&] {
        AccessoDati antiriciclaggio;
        antiriciclaggio.Apri(
            m_connReadWrite,
            QStringLiteral("SELECT * FROM Pratica INNER JOIN PrestazioniAR ON Pratica.Id_Pra= "
                           "PrestazioniAR.R_idPra WHERE Id_Pra = ") +
                id,
            adLockOptimistic);
        const bool registrata = !antiriciclaggio.recordset().Eof();
        antiriciclaggio.Chiudi();
        if (registrata) {
            message(QStringLiteral("Attenzione la pratica non può essere cancellata perchè risulta") +
                        QStringLiteral("\r\n") + QStringLiteral("registrata nell'archivio antiriciclaggio"),
                    MsgButtons::OK, MsgIcon::Information);
            return;
        }

        Transaction transazione(*m_connReadWrite);
        eliminaRighe(m_connReadWrite, QStringLiteral("SELECT * FROM Scadenze WHERE Codice_Pra = ") + id);
        eliminaRighe(m_connReadWrite, QStringLiteral("SELECT * FROM Azioni WHERE IdPra = ") + id);
        eliminaRighe(m_connReadWrite, QStringLiteral("SELECT * FROM Documenti WHERE Codice_Pra = ") + id);
        eliminaRighe(m_connReadWrite, QStringLiteral("SELECT * FROM MultiIntesta WHERE ID_Pra = ") + id);
        eliminaRighe(m_connReadWrite, QStringLiteral("SELECT * FROM PraPenale WHERE ID_Pra = ") + id);
        eliminaRighe(m_connReadWrite, QStringLiteral("SELECT * FROM Pratica WHERE ID_Pra = ") + id);

        AccessoDati fatture;
        fatture.Apri(m_connReadWrite, QStringLiteral("SELECT * FROM Fatture WHERE ID_Pratica = ") + id,
                     adLockOptimistic);
        for (Recordset& rs = fatture.recordset(); !rs.Eof(); rs.MoveNext()) {
            rs.setValue(QStringLiteral("Id_Pratica"), 0);
            rs.Update();
        }
        fatture.Chiudi();
        transazione.commit();
        eliminata = true;
    });
    if (!eliminata) return false;

    m_currentId = 0;
    m_pratica.reset();
    m_editState = Consultazione;
    ClearForm();
    DisabilitaInput();
    m_header.clear();
    m_form.GridClienti.resize(1);
    m_form.GridControparti.resize(1);
    emit SetDummy();
    return true;
}

}  // namespace tolmo

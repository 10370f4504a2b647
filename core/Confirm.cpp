// Confirming an edit: the checks before the save, and the offer to add the subject to its
// catalogue.

#include "Builtin.h"
#include "SaveTexts.h"
#include "access/SqlText.h"
#include "links/DlgRichiedi.h"

namespace tolmo {

namespace {

using namespace core::saving;

/// True when `sql` finds at least one row on `conn`.
bool trova(const ConnectionPtr& conn, const QString& sql) {
    AccessoDati dati;
    dati.Apri(conn, sql, adLockPessimistic);
    const bool found = !dati.recordset().Eof();
    dati.Chiudi();
    return found;
}

}  // namespace

bool TolmoPratica::Conferma() {
    bool salvata = false;
    if (m_editState == Inserimento_) {
        if (m_settings.value(QStringLiteral("startup"), QStringLiteral("ControlloAnagrafiche")) ==
            QStringLiteral("1")) {
            QString messaggio;
            bool conflitto = false;
            if (!trap(kRegistrazione, [&] { conflitto = ControllaClienteControparte(messaggio); }))
                return false;
            if (conflitto && m_ui.messageBox(messaggio, QStringLiteral("ATTENZIONE!"), MsgButtons::YesNo,
                                             MsgIcon::Information) != MsgAnswer::Yes)
                return false;
        }
        if (!trap(kRegistrazione, [&] {
                m_pratica = std::make_unique<AccessoDati>();
                m_pratica->Apri(m_connReadWrite, QStringLiteral("Pratica"), adLockBatchOptimistic);
            }))
            return false;
        if (VerificaInput()) salvata = RegistraPratica(true);
        m_pratica.reset();
        if (salvata) emit NewId(m_currentId);
    } else if (m_editState == Modifica_) {
        if (!VerificaInput()) return false;
        if (m_builtin->criminal.faseCorrente() == criminal::Criminal::kFaseAppello &&
            m_form.txtUfficioIscrizione.text() == m_ufficioModifica &&
            message(QStringLiteral("ATTENZIONE: ") + QLatin1Char('\n') +
                        QStringLiteral("Ricordarsi di cambiare l'Ufficio giudiziario.") + kCrLf +
                        QStringLiteral("Continuare?"),
                    MsgButtons::YesNo, MsgIcon::Information) != MsgAnswer::Yes)
            return false;
        salvata = RegistraPratica(false);
    }
    if (salvata && !m_anagIns) {
        m_editState = Consultazione;
        DisabilitaInput();
    }
    return salvata;
}

bool TolmoPratica::VerificaInput() {
    if (m_builtin->references.idContabilita() > 0) return true;
    m_ui.messageBox(QStringLiteral("ATTENZIONE : ") + QLatin1Char('\r') +
                        QStringLiteral("Selezionare il Titolare di Contabilità") + QLatin1Char('\r') +
                        QStringLiteral("sulla linguetta <RIFERIMENTI>"),
                    QStringLiteral("Attenzione"), MsgButtons::OK, MsgIcon::Critical);
    return false;
}

bool TolmoPratica::ControllaClienteControparte(QString& messaggio) {
    messaggio.clear();
    const int cliente = m_header.idCliente();
    const int controparte = m_header.idControparte();
    bool trovato = false;
    if (cliente > 0 &&
        trova(m_connReadWrite, QStringLiteral("SELECT id_pra FROM Pratica WHERE id_Controparte= ") +
                                   QString::number(cliente))) {
        messaggio += QStringLiteral("Il cliente risulta essere già controparte.") + kCrLf + kCrLf;
        trovato = true;
    }
    if (controparte > 1 &&
        trova(m_connReadWrite, QStringLiteral("SELECT id_pra FROM Pratica WHERE id_Cliente= ") +
                                   QString::number(controparte))) {
        messaggio += QStringLiteral("La controparte  risulta essere già cliente.") + kCrLf + kCrLf;
        trovato = true;
    }
    if (trovato) messaggio += QStringLiteral("Continuare?");
    return trovato;
}

void TolmoPratica::SaveOggetto(QString& bitRichiedi) {
    const QString oggetto = m_form.cmbOggetto.text().trimmed();
    if (oggetto.isEmpty()) return;
    if (trova(m_connReadOnly, QStringLiteral("SELECT * FROM OggettoPratica WHERE UPPER(Oggetto) = ") +
                                  tolmo::ApiciSQL(oggetto.toUpper())))
        return;

    clsIDToPrat risposta;
    links::DlgRichiedi domanda;
    domanda.ImpostaMessaggio(
        QStringLiteral("Vuoi inserire l'oggetto della Pratica nella Lista degli Oggetti di Pratica?"));
    domanda.SettaDlg(&risposta);
    m_ui.showModal(domanda);

    if (risposta.Risposta != 1) {
        bitRichiedi[0] = risposta.BloccaRichiedi == 1 ? QLatin1Char('1') : QLatin1Char('0');
        return;
    }
    bitRichiedi[0] = QLatin1Char('0');
    trap(QStringLiteral("Registrazione Oggetto Pratica"), [&] {
        Transaction transazione(*m_connReadWrite);
        AccessoDati catalogo;
        catalogo.Apri(m_connReadWrite, QStringLiteral("OggettoPratica"), adLockOptimistic);
        Recordset& rs = catalogo.recordset();
        rs.AddNew();
        rs.setValue(QStringLiteral("Oggetto"), oggetto);
        rs.Update();
        catalogo.Chiudi();
        transazione.commit();
    });
}

}  // namespace tolmo

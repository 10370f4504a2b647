// Saving a case: the checks on the form, then the Pratica row written column by column in one
// transaction with the rows of the subsystems, then the events that ask for a new fee note.

#include "CaseValues.h"
#include "FeeChanges.h"
#include "SaveTexts.h"
#include "TolmoPratica.h"

namespace tolmo {

namespace {

using namespace core::saving;
const QString kBitRichiediVuoto = QStringLiteral("00");

/// The stored values the fee note depends on; an unreadable or null value counts as 0.
core::DatiParcella datiMemorizzati(Recordset& rs) {
    core::DatiParcella d;
    try {
        d.valore = rs.currency(QStringLiteral("Valore"));
    } catch (const DbError&) {
        d.valore = Currency();
    }
    d.rilevanza = rs.value(QStringLiteral("Rilevanza")).toInt();
    d.valuta = rs.text(QStringLiteral("Valuta"));
    d.tipoTariffa = static_cast<short>(core::numeroIniziale(rs.text(QStringLiteral("TipoTariffa"))));
    d.maggiorazione = rs.value(QStringLiteral("Maggiorazione")).toDouble();
    d.flat = rs.currency(QStringLiteral("Flat"));
    return d;
}

/// A text column, trimmed; an empty text is stored as "" (a null QString would be NULL).
void scriviTesto(Recordset& rs, const QString& colonna, const QString& testo) {
    const QString t = testo.trimmed();
    rs.setValue(colonna, t.isEmpty() ? QStringLiteral("") : t);
}

/// A date field written when it is not empty; an empty one leaves the column as it is.
void scriviData(Recordset& rs, const QString& colonna, const form::Control& campo) {
    const QString testo = campo.text().trimmed();
    if (!testo.isEmpty()) rs.setValue(colonna, core::dataDigitata(testo, campo.name()));
}

}  // namespace

bool TolmoPratica::RegistraPratica(bool nuova) {
    bool salvata = false;
    trap(kRegistrazione, [&] {
        try {
            salvata = registra(nuova);
        } catch (...) {
            m_ui.setPointer(form::PointerDefault);
            if (m_connReadWrite->inTransaction()) m_connReadWrite->RollbackTrans();
            if (m_pratica && m_pratica->isOpen()) m_pratica->recordset().CancelUpdate();
            try {
                // PostgreSQL takes no table name in SET: this is "UPDATE Pratica SET
                // Pratica.Valore = 0 WHERE (((Pratica.Valore) Is Null))".
                m_connReadWrite->Execute(
                    QStringLiteral("UPDATE Pratica SET Valore = 0 WHERE Valore IS NULL"));
            } catch (const DbError&) {
                // The report tells the person about the first failure.
            }
            throw;
        }
    });
    return salvata;
}

bool TolmoPratica::registra(bool nuova) {
    core::PraticaForm& f = m_form;

    if (m_header.idCliente() == 0) {
        const MsgAnswer inserire =
            message(QStringLiteral("Il Cliente non è presente in Archivio.") + kCrLf + kCrLf +
                        QString(20, QLatin1Char(' ')) + QStringLiteral("Vuoi inserirlo ?"),
                    MsgButtons::YesNo, MsgIcon::None);
        emit SetDummy();
        if (inserire == MsgAnswer::Yes) {
            emit InserisciCliente(m_header.cognomeCliente().trimmed(), m_header.nomeCliente().trimmed());
            emit SetDummy();
        } else {
            ClearForm();
            m_header.clear();
            f.cmbAutorita.setVisible(false);
            f.lblAutorita.setVisible(false);
            nascondiSchedaPenale();
        }
        return false;
    }

    if (!f.cmbFatturaACognome.text().isEmpty() && m_parties.choices().idFatturareA <= 1) {
        message(QStringLiteral("ATTENZIONE : L'Intestatario della fatturazione non esiste.") +
                    QLatin1Char('\r') + QStringLiteral("Selezionarlo dall'archivio."),
                MsgButtons::OK, MsgIcon::None);
        emit SetDummy();
        return false;
    }

    const QString posizione = m_header.posizione().trimmed();
    // A new case has no row yet: any stored case holding its position is another one.
    if (!posizione.isEmpty() && EsistePosizione(posizione, nuova ? 0 : m_currentId) &&
        message(QStringLiteral("Esiste un'altra Pratica con la stessa Posizione. Continuare ?"),
                MsgButtons::YesNo, MsgIcon::None) != MsgAnswer::Yes) {
        m_ui.setPointer(form::PointerDefault);
        return false;
    }

    if (const int campo = campoLiberoNonValido(); campo >= 0) {
        message(QStringLiteral("Il valore del campo ") + f.lblCampo[campo]->caption() +
                    QStringLiteral(" non è valido.") + QStringLiteral("Impossibile salvare."),
                MsgButtons::OK, MsgIcon::Information);
        return false;
    }

    m_ui.setPointer(form::PointerBusy);
    Recordset& rs = m_pratica->recordset();
    // A new case has no stored question flags yet.
    QString bitRichiedi = nuova ? QString() : rs.text(QStringLiteral("BitRichiedi"));
    if (bitRichiedi.isEmpty()) bitRichiedi = kBitRichiediVuoto;
    if (bitRichiedi.at(0) == QLatin1Char('0')) SaveOggetto(bitRichiedi);

    Transaction transazione(*m_connReadWrite);
    core::DatiParcella prima;
    if (nuova) {
        rs.AddNew();
    } else {
        rs.Resync();
        prima = datiMemorizzati(rs);
    }

    if (m_header.provvisorio()) {
        m_header.consolidaCampi(0, 3);
        m_header.consolidaCampi(5, 7);
        m_header.consolidaCampi(9, 11);
    }
    scriviTesto(rs, QStringLiteral("Posizione"), m_header.posizione());
    rs.setValue(QStringLiteral("ID_Cliente"), m_header.idCliente());
    scriviTesto(rs, QStringLiteral("NumeroRegGenerale"), m_header.numeroRegGenerale());
    scriviParti(rs);
    scriviPratica(rs, bitRichiedi);
    const QString autorita = scriviClassificatore(rs);
    scriviValori(rs);
    scriviRiferimenti(rs, nuova);

    core::DatiParcella dopo;
    dopo.valore = rs.currency(QStringLiteral("Valore"));
    dopo.valuta = rs.text(QStringLiteral("Valuta"));
    dopo.rilevanza = rs.value(QStringLiteral("Rilevanza")).toInt();
    dopo.tipoTariffa = m_tariffa ? m_tariffa->TipoTariffa : prima.tipoTariffa;
    dopo.flat = m_tariffa ? m_tariffa->ImportoFlat : prima.flat;
    dopo.maggiorazione = m_tariffa ? m_tariffa->Maggiorazione : prima.maggiorazione;
    const core::CambiParcella cambi = core::confrontaParcella(prima, dopo, m_cambio);
    rs.Update();

    m_currentId = rs.value(QStringLiteral("ID_Pra")).toInt();
    saveCaseExtensions(m_currentId, nuova);
    transazione.commit();

    createCaseFolder(m_header.posizione().trimmed());
    m_header.setMode(core::CaseHeader::Consultation);
    m_ui.setPointer(form::PointerDefault);

    if (!nuova && !cambi.estera) {
        if (cambi.valore || cambi.rilevanza)
            emit RicalcoloParcella(core::valoreRicalcolo(dopo, m_cambio), static_cast<short>(dopo.rilevanza),
                                   dopo.valuta, m_currentId, autorita, cambi.valore, cambi.rilevanza);
        if (cambi.tariffa)
            emit RicalcoloParcellaOraria(m_currentId, dopo.tipoTariffa, dopo.flat, dopo.maggiorazione);
    }
    return true;
}

int TolmoPratica::campoLiberoNonValido() const {
    for (int i = 0; i < core::PraticaForm::kCampiLiberi; ++i) {
        const form::Control& campo = *m_form.txtCampo[i];
        if (campo.visible() && !extras::valoreValido(m_freeFields.kind(i), campo.text().trimmed())) return i;
    }
    return -1;
}

// Counterparty (registered or typed by hand) and the counterparty's lawyer.
void TolmoPratica::scriviParti(Recordset& rs) {
    const int controparte = m_header.idControparte();
    if (controparte < 2) {
        QString cognome = m_header.cognomeControparte();
        if (m_header.provvisorio()) {
            cognome.replace(QStringLiteral("__/__"), QStringLiteral("/"));
            m_header.setCognomeControparte(cognome);
        }
        cognome = cognome.trimmed();
        rs.setValue(QStringLiteral("ID_Controparte"), 1);
        rs.setValue(QStringLiteral("ControCognome"), cognome.isEmpty() ? QStringLiteral(".") : cognome);
        scriviTesto(rs, QStringLiteral("ControNome"), m_header.nomeControparte());
    } else {
        rs.setValue(QStringLiteral("ID_Controparte"), controparte);
        scriviTesto(rs, QStringLiteral("ControCognome"), QString());
        scriviTesto(rs, QStringLiteral("ControNome"), QString());
    }
}

// Office, judge, subject, the lawyer, the dates and the state.
void TolmoPratica::scriviPratica(Recordset& rs, const QString& bitRichiedi) {
    core::PraticaForm& f = m_form;
    scriviTesto(rs, QStringLiteral("UfficioGiudiziario"), f.txtUfficioIscrizione.text());
    scriviTesto(rs, QStringLiteral("CodUfficio"), f.txtUfficioIscrizione.tag());
    scriviTesto(rs, QStringLiteral("Sezione"), f.txtSezione.text());
    scriviTesto(rs, QStringLiteral("Istruttore"), f.txtIstruttore.text());
    rs.setValue(QStringLiteral("Id_Istruttore"), m_parties.choices().idIstruttore);
    scriviTesto(rs, QStringLiteral("Oggetto"), f.cmbOggetto.text());
    rs.setValue(QStringLiteral("BitRichiedi"), bitRichiedi);
    if (f.cmbCodOggetto.visible()) scriviTesto(rs, QStringLiteral("CodiceOggetto"), f.cmbCodOggetto.text());

    const parties::PartyChoices& scelte = m_parties.choices();
    if (scelte.idAcp < 2) {
        rs.setValue(QStringLiteral("ID_Acp"), 1);
        scriviTesto(rs, QStringLiteral("AcpCognome"), f.cmbCognomeLegaleCP.text());
        scriviTesto(rs, QStringLiteral("AcpNome"), f.txtNomeLegaleControparte.text());
    } else {
        rs.setValue(QStringLiteral("ID_Acp"), scelte.idAcp);
        scriviTesto(rs, QStringLiteral("AcpCognome"), QString());
        scriviTesto(rs, QStringLiteral("AcpNome"), QString());
    }

    scriviData(rs, QStringLiteral("Data_ProxUdienza"), f.TDataUdienza);
    scriviData(rs, QStringLiteral("DataInizio"), f.TedDataInizio);
    scriviData(rs, QStringLiteral("DataChiusura"), f.TolDataChiusura);
    if (!f.fpStatoPra.text().trimmed().isEmpty())
        scriviTesto(rs, QStringLiteral("Stato"), f.fpStatoPra.text());
}

QString TolmoPratica::scriviClassificatore(Recordset& rs) {
    core::PraticaForm& f = m_form;
    QString autorita;
    if (m_idClassificatore > 1) {
        rs.setValue(QStringLiteral("ID_Cla"), m_idClassificatore);
        if (m_idClassificatore == GetIdPenale()) autorita = f.cmbAutorita.text().trimmed();
        scriviTesto(rs, QStringLiteral("Autorita"), autorita);
    } else {
        rs.setValue(QStringLiteral("ID_Cla"), 1);
    }
    rs.setValue(QStringLiteral("R_IdArea"), f.cmbSottoarea.selectedCell(1).toInt());
    rs.setValue(QStringLiteral("R_IdTipologia"), f.cmbTipologia.selectedCell(1).toInt());
    return autorita;
}

// Value, currency, location, relevance, invoice party, notes, correspondent and free fields.
void TolmoPratica::scriviValori(Recordset& rs) {
    core::PraticaForm& f = m_form;
    const bool conValore = !f.TEDDenaroValore.text().trimmed().isEmpty();
    scriviTesto(rs, QStringLiteral("Valuta"), f.TEDDenaroValore.valuta());
    rs.setValue(QStringLiteral("Valore"),
                QVariant::fromValue(conValore ? core::importoDigitato(f.TEDDenaroValore) : Currency()));
    rs.setValue(QStringLiteral("Cambio"), QVariant::fromValue(m_cambio));
    if (!f.txtCollocazione.text().trimmed().isEmpty())
        scriviTesto(rs, QStringLiteral("Collocazione"), f.txtCollocazione.text());
    rs.setValue(QStringLiteral("Rilevanza"), core::rilevanzaArrotondata(f.TEDNumRilevanza.text()));

    const parties::PartyChoices& scelte = m_parties.choices();
    rs.setValue(QStringLiteral("ID_FatturareA"), scelte.idFatturareA > 1 ? scelte.idFatturareA : 1);
    scriviTesto(rs, QStringLiteral("Note"), f.txtNOTE.text());
    if (scelte.idCorrispondente > 1) {
        rs.setValue(QStringLiteral("ID_Corrispondente"), scelte.idCorrispondente);
        scriviTesto(rs, QStringLiteral("CognomeCorrispondente"), QString());
        scriviTesto(rs, QStringLiteral("NomeCorrispondente"), QString());
    } else {
        rs.setValue(QStringLiteral("ID_Corrispondente"), 1);
        scriviTesto(rs, QStringLiteral("CognomeCorrispondente"), f.cmbCorrispondente.text());
        scriviTesto(rs, QStringLiteral("NomeCorrispondente"), f.txtNomeCorrispondente.text());
    }

    for (int i = 0; i < core::PraticaForm::kCampiLiberi; ++i) {
        const form::Control& campo = *f.txtCampo[i];
        if (!campo.visible()) continue;
        const QString testo = campo.text().trimmed();
        scriviTesto(rs, QStringLiteral("Campo") + QString::number(i + 1),
                    testo == extras::kEmptyDateMask ? QString() : testo);
    }
}

// Accounting owner, position number, visibility, the people of the firm, flags, court fee and
// tariff.
void TolmoPratica::scriviRiferimenti(Recordset& rs, bool nuova) {
    core::PraticaForm& f = m_form;
    rs.setValue(QStringLiteral("ID_Contab"), m_idContab);
    rs.setValue(QStringLiteral("NumPos"), core::numeroIniziale(m_header.posizione()));

    const bool gruppo = !m_riservataGruppo.isEmpty();
    const bool utente = !gruppo && m_riservataUtente > 0;
    const bool riservata = !f.cmbRiservata.text().isEmpty();
    rs.setValue(QStringLiteral("ID_Riservata"), riservata && utente ? m_riservataUtente : 0);
    rs.setValue(QStringLiteral("Fk_Gruppo"), riservata && gruppo ? QVariant(m_riservataGruppo) : QVariant());

    rs.setValue(QStringLiteral("ID_Referente"), idSelezione(SelReferente, nuova));
    rs.setValue(QStringLiteral("ID_UtenteRiferimento"), idSelezione(SelResponsabile, nuova));
    scriviTesto(rs, QStringLiteral("ResponsabileFascicolo"), f.cmbResponsabile.text());
    rs.setValue(QStringLiteral("ID_UtenteProcacciatore"), idSelezione(SelProcacciatore, nuova));

    rs.setValue(QStringLiteral("IsStraordinariaImportanza"), f.chkStraordinariaImportanza.checked());
    const QString contributo = core::codiceContributo(f.optContributo.index());
    if (!contributo.isEmpty()) rs.setValue(QStringLiteral("TipoContributo"), contributo);
    const bool conSomma =
        !f.cmbCodOggetto.text().trimmed().isEmpty() && !f.TedDenaroSommaIng.text().trimmed().isEmpty();
    rs.setValue(QStringLiteral("SommaIngiunta"),
                QVariant::fromValue(conSomma ? core::importoDigitato(f.TedDenaroSommaIng) : Currency()));
    scriviTesto(rs, QStringLiteral("ImportoContributo"), f.mskImportoContributo.text());
    rs.setValue(QStringLiteral("A_Debito"), f.chkDebito.checked());
    rs.setValue(QStringLiteral("ExportToWeb"), f.chkWeb.checked());

    if (m_tariffa) {
        rs.setValue(QStringLiteral("TipoTariffa"), m_tariffa->TipoTariffa);
        rs.setValue(QStringLiteral("Flat"), QVariant::fromValue(m_tariffa->ImportoFlat));
        rs.setValue(QStringLiteral("Maggiorazione"), m_tariffa->Maggiorazione);
    }
}

}  // namespace tolmo

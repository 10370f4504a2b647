// Saving a case: the checks on the form, then the Pratica row written column by column in one
// transaction with the rows of the sections, then the events that ask for a new fee note.
// Nothing the person sees changes before the commit: a failed save leaves the form as it was.

#include <QScopedValueRollback>
#include <limits>

#include "Builtin.h"
#include "CaseSql.h"
#include "FeeChanges.h"
#include "SaveTexts.h"
#include "access/RowVersion.h"
#include "core/model/CaseValues.h"
#include "core/model/Clash.h"
#include "core/model/FieldRules.h"
#include "fees/ClsTariffa.h"

namespace tolmo {

namespace {

using namespace core::saving;
using core::scriviTesto;
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

/// A header text as the save writes it: consolidated while the header is still provisional.
QString testata(const core::CaseHeader& header, const QString& text) {
    return header.provvisorio() ? core::CaseHeader::consolidato(text) : text;
}

/// The counterparty surname typed in a provisional header, its "__/__" made "/".
QString cognomeDigitato(const core::CaseHeader& header) {
    QString cognome = header.cognomeControparte();
    if (header.provvisorio()) cognome.replace(QStringLiteral("__/__"), QStringLiteral("/"));
    return cognome;
}

}  // namespace

bool TolmoPratica::RegistraPratica(bool nuova) {
    bool salvata = false, registrata = false;
    trap(kRegistrazione, [&] {
        try {
            salvata = registra(nuova, registrata);
        } catch (const core::ValoreNonValido& rifiutato) {
            // A date or an amount the save cannot store: nothing was written, the person is
            // told which and taken back to it, everything typed kept.
            if (registrata) throw;
            m_ui.setPointer(form::PointerDefault);
            if (m_pratica && m_pratica->isOpen()) m_pratica->recordset().CancelUpdate();
            message(rifiutato.frase(), MsgButtons::OK, MsgIcon::Exclamation);
            if (form::Control* campo = m_form.find(rifiutato.campo())) core::SelectTextControl(*campo);
        } catch (...) {
            m_ui.setPointer(form::PointerDefault);
            // Once committed the case is stored: what fails afterwards is reported, not undone.
            if (registrata) throw;
            // The transaction guard has rolled the save back by now; the report follows.
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
    return salvata || registrata;
}

bool TolmoPratica::registra(bool nuova, bool& registrata) {
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
            m_builtin->criminal.ritira();
        }
        return false;
    }
    if (rifiutata()) return false;

    m_ui.setPointer(form::PointerBusy);
    Recordset& rs = m_pratica->recordset();
    // A new case has no stored question flags yet.
    QString bitRichiedi = nuova ? QString() : rs.text(QStringLiteral("BitRichiedi"));
    if (bitRichiedi.isEmpty()) bitRichiedi = kBitRichiediVuoto;
    if (bitRichiedi.at(0) == QLatin1Char('0')) SaveOggetto(bitRichiedi);

    core::SaveContext ctx{m_connReadWrite, rs};
    ctx.nuova = nuova;
    // The classifier as shown or chosen: whether it is 'PENALE' was found out then.
    if (m_classificatore.id > 1) ctx.classifier = m_classificatore;
    core::DatiParcella prima, dopo;
    if (!scriviConflitti(nuova, bitRichiedi, ctx, prima, dopo)) {
        m_ui.setPointer(form::PointerDefault);
        return false;
    }
    registrata = true;

    m_currentId = ctx.caseId;
    m_versione = rs.value(kVersioneRiga);
    if (m_posizioneScritta != m_header.posizione()) m_header.setPosizione(m_posizioneScritta);
    applicaTestata();
    m_header.setMode(core::CaseHeader::Consultation);
    perSection([&ctx](core::CaseSection& s) { s.afterCommit(ctx); });
    m_ui.setPointer(form::PointerDefault);

    const core::CambiParcella cambi = core::confrontaParcella(prima, dopo, m_cambio);
    if (!nuova && !cambi.estera) {
        if (cambi.valore || cambi.rilevanza)
            emit RicalcoloParcella(core::valoreRicalcolo(dopo, m_cambio), static_cast<short>(dopo.rilevanza),
                                   dopo.valuta, m_currentId, ctx.autorita, cambi.valore, cambi.rilevanza);
        if (cambi.tariffa)
            emit RicalcoloParcellaOraria(m_currentId, dopo.tipoTariffa, dopo.flat, dopo.maggiorazione);
    }
    return true;
}

bool TolmoPratica::scriviConflitti(bool nuova, const QString& bitRichiedi, core::SaveContext& ctx,
                                   core::DatiParcella& prima, core::DatiParcella& dopo) {
    core::SeCambiato cambiata;
    cambiata.titolo = m_title;
    cambiata.cambiato = kPraticaCambiata;
    cambiata.dopoErrore = [this] { m_pratica->recordset().CancelUpdate(); };
    // Saving over: what this workstation typed replaces the version stored now.
    cambiata.preparaSovrascrittura = [this] {
        m_pratica->recordset().Resync();
        m_versione = m_pratica->recordset().value(kVersioneRiga);
    };
    cambiata.mostraAltra = [this] { Annulla(); };
    return core::scriviSeNonCambiato(m_ui, cambiata, [&] { scrivi(nuova, bitRichiedi, ctx, prima, dopo); });
}

// One transaction: the case row, checked against the version shown, and the sections' rows.
void TolmoPratica::scrivi(bool nuova, const QString& bitRichiedi, core::SaveContext& ctx,
                          core::DatiParcella& prima, core::DatiParcella& dopo) {
    Recordset& rs = m_pratica->recordset();
    const QScopedValueRollback<bool> writing(m_writing, true);
    Transaction transazione(*m_connReadWrite);
    m_posizioneScritta = nuova && m_header.posizioneAutomatica() ? posizioneLibera() : m_header.posizione();
    if (nuova) {
        rs.AddNew();
    } else {
        rs.Resync();
        rs.expectVersion(m_versione);
        prima = datiMemorizzati(rs);
    }
    scriviPratica(rs, bitRichiedi);
    scriviValori(rs);
    perSection([&ctx](core::CaseSection& s) { s.writeRow(ctx); });
    dopo.valore = rs.currency(QStringLiteral("Valore"));
    dopo.valuta = rs.text(QStringLiteral("Valuta"));
    dopo.rilevanza = rs.value(QStringLiteral("Rilevanza")).toInt();
    const clsTariffa* tariffa = this->tariffa();
    dopo.tipoTariffa = tariffa ? tariffa->TipoTariffa : prima.tipoTariffa;
    dopo.flat = tariffa ? tariffa->ImportoFlat : prima.flat;
    dopo.maggiorazione = tariffa ? tariffa->Maggiorazione : prima.maggiorazione;
    rs.Update();

    ctx.caseId = rs.value(QStringLiteral("ID_Pra")).toInt();
    perSection([&ctx](core::CaseSection& s) { s.save(ctx); });
    transazione.commit();
}

// Two workstations that save new cases at once take their numbers one after the other.
QString TolmoPratica::posizioneLibera() {
    core::prendiTurno(*m_connReadWrite);
    return core::prossimaPosizione(m_connReadWrite);
}

bool TolmoPratica::rifiutata() {
    for (const auto& s : m_sections) {
        if (const std::optional<core::Refusal> rifiuto = s->validate()) {
            mostraRifiuto(*rifiuto);
            return true;
        }
    }
    return false;
}

void TolmoPratica::mostraRifiuto(const core::Refusal& rifiuto) {
    if (rifiuto.text.isEmpty()) return;  // the person was asked already
    message(rifiuto.text, MsgButtons::OK, rifiuto.icon);
    if (rifiuto.setDummy) emit SetDummy();
}

// What the header held is written consolidated; the header itself shows it so once saved.
void TolmoPratica::applicaTestata() {
    if (!m_header.provvisorio()) return;
    m_header.consolidaCampi(0, 3);
    m_header.consolidaCampi(5, 7);
    m_header.consolidaCampi(9, 11);
    if (m_header.idControparte() < 2) m_header.setCognomeControparte(cognomeDigitato(m_header));
}

// Position, client, register number, counterparty, office, section, the question flags, the
// dates, the classifier with its area and type.
void TolmoPratica::scriviPratica(Recordset& rs, const QString& bitRichiedi) {
    core::PraticaForm& f = m_form;
    const QString posizione = testata(m_header, m_posizioneScritta);
    scriviTesto(rs, QStringLiteral("Posizione"), posizione);
    // NumPos is a 32-bit column: a position whose number is larger orders as having none.
    const qint64 numero = core::numeroIniziale(posizione);
    const bool entra =
        numero >= std::numeric_limits<qint32>::min() && numero <= std::numeric_limits<qint32>::max();
    rs.setValue(QStringLiteral("NumPos"), entra ? numero : 0);
    rs.setValue(QStringLiteral("ID_Cliente"), m_header.idCliente());
    scriviTesto(rs, QStringLiteral("NumeroRegGenerale"), testata(m_header, m_header.numeroRegGenerale()));
    scriviParti(rs);

    scriviTesto(rs, QStringLiteral("UfficioGiudiziario"), f.txtUfficioIscrizione.text());
    scriviTesto(rs, QStringLiteral("CodUfficio"), f.txtUfficioIscrizione.tag());
    scriviTesto(rs, QStringLiteral("Sezione"), f.txtSezione.text());
    rs.setValue(QStringLiteral("BitRichiedi"), bitRichiedi);
    core::scriviData(rs, QStringLiteral("Data_ProxUdienza"), f.TDataUdienza);
    core::scriviData(rs, QStringLiteral("DataInizio"), f.TedDataInizio);
    core::scriviData(rs, QStringLiteral("DataChiusura"), f.TolDataChiusura);

    rs.setValue(QStringLiteral("ID_Cla"), m_classificatore.id > 1 ? m_classificatore.id : 1);
    rs.setValue(QStringLiteral("R_IdArea"), f.cmbSottoarea.selectedCell(1).toInt());
    rs.setValue(QStringLiteral("R_IdTipologia"), f.cmbTipologia.selectedCell(1).toInt());
}

// Counterparty: registered, or typed by hand (an empty surname is stored as ".").
void TolmoPratica::scriviParti(Recordset& rs) {
    const int controparte = m_header.idControparte();
    if (controparte < 2) {
        const QString cognome = cognomeDigitato(m_header).trimmed();
        rs.setValue(QStringLiteral("ID_Controparte"), 1);
        rs.setValue(QStringLiteral("ControCognome"), cognome.isEmpty() ? QStringLiteral(".") : cognome);
        scriviTesto(rs, QStringLiteral("ControNome"), testata(m_header, m_header.nomeControparte()));
    } else {
        rs.setValue(QStringLiteral("ID_Controparte"), controparte);
        scriviTesto(rs, QStringLiteral("ControCognome"), QString());
        scriviTesto(rs, QStringLiteral("ControNome"), QString());
    }
}

// Value, currency, injunction sum, location, relevance, notes and importance.
void TolmoPratica::scriviValori(Recordset& rs) {
    core::PraticaForm& f = m_form;
    const bool conValore = !f.TEDDenaroValore.text().trimmed().isEmpty();
    scriviTesto(rs, QStringLiteral("Valuta"), f.TEDDenaroValore.valuta());
    rs.setValue(QStringLiteral("Valore"),
                QVariant::fromValue(conValore ? core::importoDigitato(f.TEDDenaroValore) : Currency()));
    rs.setValue(QStringLiteral("Cambio"), QVariant::fromValue(m_cambio));
    const bool conSomma =
        !f.cmbCodOggetto.text().trimmed().isEmpty() && !f.TedDenaroSommaIng.text().trimmed().isEmpty();
    rs.setValue(QStringLiteral("SommaIngiunta"),
                QVariant::fromValue(conSomma ? core::importoDigitato(f.TedDenaroSommaIng) : Currency()));
    if (!f.txtCollocazione.text().trimmed().isEmpty())
        scriviTesto(rs, QStringLiteral("Collocazione"), f.txtCollocazione.text());
    // The field refuses more than 400 when left; a value that reached the save anyway is refused
    // here, and a negative one too: the column holds a small whole percentage.
    const int rilevanza = core::rilevanzaArrotondata(f.TEDNumRilevanza.text());
    if (rilevanza > 400)
        throw core::ValoreNonValido(
            QStringLiteral("La Rilevanza della Pratica non può essere maggiore del 400%"), f.TEDNumRilevanza);
    if (rilevanza < 0)
        throw core::ValoreNonValido(QStringLiteral("La Rilevanza della Pratica non può essere negativa."),
                                    f.TEDNumRilevanza);
    rs.setValue(QStringLiteral("Rilevanza"), rilevanza);
    scriviTesto(rs, QStringLiteral("Note"), f.txtNOTE.text());
    rs.setValue(QStringLiteral("IsStraordinariaImportanza"), f.chkStraordinariaImportanza.checked());
}

}  // namespace tolmo

#include "DlgEstremiPagamento.h"

#include "access/RowVersion.h"
#include "access/TolmoAccess.h"
#include "core/model/CaseValues.h"
#include "core/model/Clash.h"
#include "core/model/DateField.h"
#include "core/model/FieldRules.h"

namespace tolmo::fees {

namespace {

const QString kTitolo = QStringLiteral("Estremi Pagamento");
const QString kFormatoData = QStringLiteral("dd/MM/yyyy");

/// The characters typed in a masked code: its separators and blanks left out.
QString cifreDelCodice(const QString& text) {
    QString s = text;
    s.remove(u'/').remove(u'_').remove(u' ');
    return s;
}

bool importoVuoto(const core::MoneyField& campo) { return campo.amount().value_or(Currency()) == Currency(); }

/// A date field: typed through its mask, digits only, written in full on leaving.
void comeDataPagamento(form::Control& campo) {
    core::comeData(campo);
    campo.setFormat(kFormatoData, QStringLiteral("##/##/####"));
    campo.setSelectOnEntry(true);
    core::filtraTasti(campo, core::tastoCifra);
}

/// An amount left empty reads "0,00".
void comeImportoPagamento(core::MoneyField& campo) {
    core::comeImporto(campo);
    campo.on(form::EventKind::LostFocus, [&campo](form::ControlEvent&) {
        if (campo.text().trimmed().isEmpty()) campo.setAmount(Currency());
    });
}

}  // namespace

DlgEstremiPagamento::DlgEstremiPagamento(core::ComponentServices& services)
    : form::Form(QStringLiteral("dlgEstremiPagamento")), m_services(services) {
    setCaption(QStringLiteral("Estremi pagamento"));
    cmbTipoPagamento.setRows({QStringLiteral("Bollettino postale"), QStringLiteral("Marca Lottomatica"),
                              QStringLiteral("Modello F23")});
    for (form::Control* f : {&fraBollettino, &fraMarca, &fraF23})
        f->setCaption(QStringLiteral("Dettagli pagamento"));
    mskCodiceUfficio.setFormat(QString(), QStringLiteral("##/###"));
    mskCodiceBollettino.setFormat(QString(), QStringLiteral("####"));
    for (form::Control* c : {&mskCodiceUfficio, &mskCodiceBollettino, &txtCodiceMarca})
        c->setSelectOnEntry(true);
    txtCodiceMarca.setMaxLength(30);
    for (form::Control* c : {&mskData, &mskDataMarca, &mskDataF23}) comeDataPagamento(*c);
    for (core::MoneyField* c : {&mskImporto, &mskValoreMarca, &mskImportoF23}) comeImportoPagamento(*c);
    cmdNuovo.setCaption(QStringLiteral("&Nuovo"));
    cmdSalva.setCaption(QStringLiteral("&Salva"));
    cmdModifica.setCaption(QStringLiteral("&Modifica"));
    cmdCancella.setCaption(QStringLiteral("&Cancella"));
    cmdAnnulla.setCaption(QStringLiteral("A&nnulla"));
    cmdPulisci.setCaption(QStringLiteral("&Pulisci Campi"));
    cmdOk.setCaption(QStringLiteral("Salva e &Chiudi"));
    cmdChiudi.setCaption(QStringLiteral("&Esci"));
    attach();
}

void DlgEstremiPagamento::attach() {
    using form::EventKind;
    cmbTipoPagamento.on(EventKind::Choose, [this](form::ControlEvent& e) { cambiaTipo(e.row); });
    lstvMarche.on(EventKind::Choose, [this](form::ControlEvent& e) { mostraMarca(e.row); });
    lstvMarche.on(EventKind::DblClick, [this](form::ControlEvent&) {
        if (m_riga != 0 && cmdModifica.enabled()) modifica();
    });
    cmdNuovo.on(EventKind::Click, [this](form::ControlEvent&) { nuovo(); });
    cmdModifica.on(EventKind::Click, [this](form::ControlEvent&) { modifica(); });
    cmdSalva.on(EventKind::Click, [this](form::ControlEvent&) { salvaMarca(); });
    cmdCancella.on(EventKind::Click, [this](form::ControlEvent&) { cancellaMarca(); });
    cmdAnnulla.on(EventKind::Click, [this](form::ControlEvent&) { annulla(); });
    cmdPulisci.on(EventKind::Click, [this](form::ControlEvent&) {
        PulisciCampi();
        txtCodiceMarca.setFocus();
    });
    cmdOk.on(EventKind::Click, [this](form::ControlEvent&) { salvaEChiudi(); });
    cmdChiudi.on(EventKind::Click, [this](form::ControlEvent&) { esci(); });
}

void DlgEstremiPagamento::SettaFormEstremiPag(ConnectionPtr conn, int caseId) {
    m_conn = std::move(conn);
    m_caseId = caseId;
}

// Payments that could not be read are not shown: a save then could add to rows it never saw.
void DlgEstremiPagamento::mostra() {
    if (!carica()) return;
    m_services.ui().showModal(*this);
}

// Outside the modification of a stored case the dialog only shows: nothing can be recorded
// against a case that is not being edited, nor against one not written yet.
bool DlgEstremiPagamento::carica() {
    bInModifica = bNuovo = false;
    m_tipo = kBollettino;
    m_riga = 0;
    pulsantiApertura();
    campiMarca(false);
    core::EnableControl(fraMarche, true);
    PulisciCampi();
    lstvMarche.clear();
    if (!CaricaPagamenti()) return false;
    cmbTipoPagamento.setSelectedRow(m_tipo);
    cambiaTipo(m_tipo);
    for (form::Control* b : {&cmdNuovo, &cmdSalva, &cmdModifica, &cmdCancella, &cmdAnnulla, &cmdPulisci})
        b->setVisible(true);
    core::EnableControl(cmbTipoPagamento, modificabile());
    if (!modificabile()) cmdOk.setVisible(false);
    return true;
}

bool DlgEstremiPagamento::CaricaPagamenti() {
    return m_services.trap(QStringLiteral("Caricamento Estremi Pagamento"), [&] {
        AccessoDati dati;
        dati.Apri(m_conn,
                  QStringLiteral("SELECT * FROM EstremiPagamento WHERE R_Id_Pratica = ") +
                      QString::number(m_caseId),
                  adLockReadOnly);
        Recordset& rs = dati.recordset();
        if (rs.Eof()) {
            if (m_tipo == kMarca) lstvMarche.clear();
            return;
        }
        const auto tipo = core::numeroIniziale(rs.text(QStringLiteral("TipoPagamento")));
        m_tipo = tipo >= kBollettino && tipo <= kF23 ? static_cast<int>(tipo) : kBollettino;
        m_riga = rs.value(QStringLiteral("Id")).toInt();
        m_versioni.clear();
        for (; !rs.Eof(); rs.MoveNext())
            m_versioni.insert(rs.value(QStringLiteral("Id")).toInt(), rs.value(kVersioneRiga));
        rs.MoveFirst();
        if (m_tipo == kMarca) {
            lstvMarche.clear();
            for (; !rs.Eof(); rs.MoveNext())
                lstvMarche.addRow(QStringList{rs.text(QStringLiteral("Id")),
                                              rs.text(QStringLiteral("CodMarcaL")),
                                              core::testoEuro(rs.currency(QStringLiteral("Importo"))),
                                              core::testoData(rs.value(QStringLiteral("Data")))});
            mostraPrimaMarca();
        } else if (m_tipo == kF23) {
            mskImportoF23.setAmount(rs.currency(QStringLiteral("Importo")));
            mskDataF23.setText(core::testoData(rs.value(QStringLiteral("Data"))));
        } else {
            mskCodiceUfficio.setText(rs.text(QStringLiteral("CodUfficioP")));
            mskCodiceBollettino.setText(rs.text(QStringLiteral("CodBollettinoP")));
            mskImporto.setAmount(rs.currency(QStringLiteral("Importo")));
            mskData.setText(core::testoData(rs.value(QStringLiteral("Data"))));
        }
    });
}

void DlgEstremiPagamento::PulisciCampi() {
    for (form::Control* c :
         {&mskCodiceUfficio, &mskCodiceBollettino, &mskData, &txtCodiceMarca, &mskDataMarca, &mskDataF23})
        c->setText(QString());
    for (core::MoneyField* c : {&mskImporto, &mskValoreMarca, &mskImportoF23}) c->setAmount(Currency());
}

bool DlgEstremiPagamento::qualcosaRegistrato() const {
    return lstvMarche.rowCount() > 0 || !importoVuoto(mskImportoF23) ||
           !cifreDelCodice(mskCodiceUfficio.text()).isEmpty();
}

// Leaving a kind with payments recorded deletes them all at once, after the person agrees. The
// load selects the kind it read, which is the one in force: it never asks.
void DlgEstremiPagamento::cambiaTipo(int scelto) {
    if (scelto < kBollettino || scelto > kF23) return;
    if (scelto != m_tipo && qualcosaRegistrato()) {
        const form::MsgAnswer risposta = m_services.ui().messageBox(
            QStringLiteral(
                "Cambiando il tipo di pagamento verranno eliminati gli altri pagamenti registrati.") +
                QStringLiteral("\n\nContinuare ?"),
            kTitolo, form::MsgButtons::YesNo, form::MsgIcon::Question, 1);
        if (risposta == form::MsgAnswer::Yes && CancellaEstremiPagamento(0, true)) {
            PulisciCampi();
            lstvMarche.clear();
            m_tipo = scelto;
            m_riga = 0;
            pulsantiApertura();
            core::EnableControl(fraMarche, false);
            campiMarca(false);
        } else {
            scelto = m_tipo;
            cmbTipoPagamento.setSelectedRow(m_tipo);
        }
    }
    m_tipo = scelto;
    bNuovo = m_tipo != kMarca && lstvMarche.rowCount() == 0 && importoVuoto(mskImportoF23) &&
             cifreDelCodice(mskCodiceUfficio.text()).isEmpty();
    fraBollettino.setVisible(m_tipo == kBollettino);
    fraMarca.setVisible(m_tipo == kMarca);
    fraF23.setVisible(m_tipo == kF23);
    cmdOk.setVisible(m_tipo != kMarca);
}

void DlgEstremiPagamento::mostraMarca(int riga) {
    if (riga < 0 || riga >= lstvMarche.rowCount()) return;
    lstvMarche.setSelectedRow(riga);
    m_riga = lstvMarche.cell(riga, 0).toInt();
    txtCodiceMarca.setText(lstvMarche.cell(riga, 1));
    mskValoreMarca.setAmount(
        Currency::parse(QString(lstvMarche.cell(riga, 2)).remove(QChar(0x20AC)).trimmed()));
    mskDataMarca.setText(lstvMarche.cell(riga, 3));
    pulsantiMarca();
}

bool DlgEstremiPagamento::mostraPrimaMarca() {
    if (lstvMarche.rowCount() == 0) return false;
    mostraMarca(0);
    return true;
}

void DlgEstremiPagamento::pulsanti(bool nuovo, bool salva, bool modifica, bool cancella, bool annulla,
                                   bool pulisci) {
    const bool m = modificabile();
    nuovo &= m, salva &= m, modifica &= m, cancella &= m, annulla &= m, pulisci &= m;
    core::EnableControl(cmdNuovo, nuovo);
    core::EnableControl(cmdSalva, salva);
    core::EnableControl(cmdModifica, modifica);
    core::EnableControl(cmdCancella, cancella);
    core::EnableControl(cmdAnnulla, annulla);
    core::EnableControl(cmdPulisci, pulisci);
}

void DlgEstremiPagamento::pulsantiApertura() { pulsanti(true, false, false, false, false, false); }

void DlgEstremiPagamento::pulsantiMarca() { pulsanti(true, false, true, true, false, false); }

void DlgEstremiPagamento::campiMarca(bool enabled) {
    for (form::Control* c : {&txtCodiceMarca, static_cast<form::Control*>(&mskValoreMarca), &mskDataMarca})
        core::EnableControl(*c, enabled);
}

void DlgEstremiPagamento::nuovo() {
    bInModifica = bNuovo = true;
    core::EnableControl(fraMarche, false);
    campiMarca(true);
    PulisciCampi();
    txtCodiceMarca.setFocus();
    pulsanti(false, true, false, false, true, true);
}

void DlgEstremiPagamento::modifica() {
    bInModifica = true;
    core::EnableControl(fraMarche, false);
    campiMarca(true);
    core::SelectTextControl(txtCodiceMarca);
    pulsanti(false, true, false, false, true, false);
}

void DlgEstremiPagamento::salvaMarca() {
    if (!VerificaDati()) return;
    core::EnableControl(fraMarche, true);
    if (!CaricaPagamenti()) setShown(false);
    bInModifica = bNuovo = false;
    campiMarca(false);
}

void DlgEstremiPagamento::cancellaMarca() {
    if (m_services.ui().messageBox(QStringLiteral("Eliminare gli estremi del pagamento selezionato ?"),
                                   kTitolo, form::MsgButtons::YesNo, form::MsgIcon::Question,
                                   1) != form::MsgAnswer::Yes)
        return;
    if (!CancellaEstremiPagamento(m_riga, false)) return;
    pulsantiApertura();
    campiMarca(false);
    PulisciCampi();
    txtCodiceMarca.setFocus();
    m_riga = 0;
    lstvMarche.clear();
    if (!CaricaPagamenti()) setShown(false);
}

void DlgEstremiPagamento::annulla() {
    bInModifica = bNuovo = false;
    pulsantiApertura();
    campiMarca(false);
    PulisciCampi();
    core::EnableControl(fraMarche, true);
    mostraPrimaMarca();
}

void DlgEstremiPagamento::salvaEChiudi() {
    if (!cmdOk.enabled() || !cmdOk.visible()) return;
    if (!VerificaDati()) return;
    if (m_tipo != kMarca)
        m_services.ui().messageBox(QStringLiteral("Gli estremi del pagamento sono stati registrati."),
                                   kTitolo, form::MsgButtons::OK, form::MsgIcon::Information);
    setShown(false);
}

void DlgEstremiPagamento::esci() {
    if (bInModifica && m_tipo == kMarca &&
        m_services.ui().messageBox(QStringLiteral("Uscire senza salvare gli estremi del pagamento ?"),
                                   kTitolo, form::MsgButtons::YesNo, form::MsgIcon::Question,
                                   1) != form::MsgAnswer::Yes)
        return;
    setShown(false);
}

bool DlgEstremiPagamento::CancellaEstremiPagamento(int idPagamento, bool cancellaTutti) {
    return m_services.trap(QStringLiteral("Cancellazione Estremi Pagamento"), [&] {
        QString sql =
            QStringLiteral("DELETE FROM EstremiPagamento WHERE R_Id_Pratica = ") + QString::number(m_caseId);
        if (!cancellaTutti) sql += QStringLiteral(" AND Id = ") + QString::number(idPagamento);
        m_conn->Execute(sql);
    });
}

bool DlgEstremiPagamento::rifiuta(const QString& messaggio, form::Control& campo) {
    m_services.ui().messageBox(messaggio, QStringLiteral("Verifica dati"), form::MsgButtons::OK,
                               form::MsgIcon::Information);
    core::SelectTextControl(campo);
    return false;
}

// The postal bulletin's date message spells "Pagamento" with a capital, the others do not.
bool DlgEstremiPagamento::VerificaDati() {
    const QString nonCorretta = QStringLiteral("La Data inserita non è corretta.");
    const auto dataRifiutata = [&](form::Control& data, const QString& mancante) {
        if (core::dataVuota(data.text())) return !rifiuta(mancante, data);
        if (!core::dataDelCampo(data.text()).isValid()) return !rifiuta(nonCorretta, data);
        return false;
    };
    if (m_tipo == kBollettino) {
        const QString ufficio = cifreDelCodice(mskCodiceUfficio.text());
        if (ufficio.isEmpty())
            return rifiuta(QStringLiteral("Non è stato inserito il Codice dell'Ufficio Postale."),
                           mskCodiceUfficio);
        if (ufficio.size() < 5)
            return rifiuta(QStringLiteral("Il Codice dell'Ufficio Postale inserito non è corretto."),
                           mskCodiceUfficio);
        const QString bollettino = cifreDelCodice(mskCodiceBollettino.text());
        if (bollettino.isEmpty())
            return rifiuta(QStringLiteral("Non è stato inserito il Codice del Bollettino Postale."),
                           mskCodiceBollettino);
        if (bollettino.size() < 4)
            return rifiuta(QStringLiteral("Il Codice del Bollettino Postale inserito non è corretto."),
                           mskCodiceBollettino);
        if (importoVuoto(mskImporto))
            return rifiuta(QStringLiteral("Non è stato inserito l'Importo del pagamento."), mskImporto);
        if (dataRifiutata(mskData, QStringLiteral("Non è stata inserita la Data del Pagamento.")))
            return false;
    } else if (m_tipo == kMarca) {
        if (txtCodiceMarca.text().trimmed().isEmpty())
            return rifiuta(QStringLiteral("Non è stato inserito il Codice della Marca."), txtCodiceMarca);
        if (importoVuoto(mskValoreMarca))
            return rifiuta(QStringLiteral("Non è stato inserito l'Importo della Marca."), mskValoreMarca);
        if (dataRifiutata(mskDataMarca, QStringLiteral("Non è stata inserita la Data del pagamento.")))
            return false;
    } else {
        if (importoVuoto(mskImportoF23))
            return rifiuta(QStringLiteral("Non è stato inserito l'Importo del pagamento."), mskImportoF23);
        if (dataRifiutata(mskDataF23, QStringLiteral("Non è stata inserita la Data del pagamento.")))
            return false;
    }
    return RegistraPagamento();
}

// A payment's details are written at once, asking first when another workstation changed them.
bool DlgEstremiPagamento::RegistraPagamento() {
    core::SeCambiato cambiato;
    cambiato.titolo = kTitolo;
    cambiato.cambiato = QStringLiteral(
        "Gli estremi del pagamento sono stati modificati su un'altra postazione dopo che sono "
        "stati mostrati qui.");
    cambiato.preparaSovrascrittura = [this] { m_versioni.remove(m_riga); };
    cambiato.mostraAltra = [this] { carica(); };
    return core::scriviSeNonCambiato(m_services, QStringLiteral("Registrazione Estremi Pagamento"), cambiato,
                                     [this] { scriviPagamento(); });
}

// The amounts are read as the currency they were typed in, the dates day first. The row and
// the reading of its new Id are one transaction: a failure leaves no row behind for the next
// try to add again. A payment changed elsewhere since it was shown is not written over unasked.
void DlgEstremiPagamento::scriviPagamento() {
    Transaction transaction(*m_conn);
    AccessoDati dati;
    dati.Apri(m_conn, QStringLiteral("SELECT * FROM EstremiPagamento WHERE Id = ") + QString::number(m_riga),
              adLockOptimistic);
    Recordset& rs = dati.recordset();
    if (rs.Eof() || bNuovo)
        rs.AddNew();
    else if (m_versioni.contains(m_riga))
        rs.expectVersion(m_versioni.value(m_riga));
    rs.setValue(QStringLiteral("R_Id_Pratica"), m_caseId);
    rs.setValue(QStringLiteral("TipoPagamento"), m_tipo);
    const auto importo = [](const core::MoneyField& campo) {
        return QVariant::fromValue(campo.amount().value_or(Currency()));
    };
    if (m_tipo == kBollettino) {
        rs.setValue(QStringLiteral("CodUfficioP"), mskCodiceUfficio.text().trimmed());
        rs.setValue(QStringLiteral("CodBollettinoP"), mskCodiceBollettino.text().trimmed());
        rs.setValue(QStringLiteral("Importo"), importo(mskImporto));
        rs.setValue(QStringLiteral("Data"), core::dataDelCampo(mskData.text()));
    } else if (m_tipo == kMarca) {
        rs.setValue(QStringLiteral("CodMarcaL"), txtCodiceMarca.text().trimmed());
        rs.setValue(QStringLiteral("Importo"), importo(mskValoreMarca));
        rs.setValue(QStringLiteral("Data"), core::dataDelCampo(mskDataMarca.text()));
    } else {
        rs.setValue(QStringLiteral("Importo"), importo(mskImportoF23));
        rs.setValue(QStringLiteral("Data"), core::dataDelCampo(mskDataF23.text()));
    }
    rs.Update();
    const int riga = rs.value(QStringLiteral("Id")).toInt();
    const QVariant versione = rs.value(kVersioneRiga);
    dati.Chiudi();
    transaction.commit();
    m_riga = riga;
    m_versioni.insert(riga, versione);
}

}  // namespace tolmo::fees

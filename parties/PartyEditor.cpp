#include "PartyEditor.h"

#include <QRegularExpression>

#include "Birthplaces.h"
#include "PartyCard.h"
#include "PartyStore.h"
#include "access/Recordset.h"
#include "core/model/ColumnLimits.h"
#include "core/model/DateField.h"
#include "taxcodes/TaxCodes.h"

namespace tolmo::parties {

namespace {

using form::ControlEvent;
using form::EventKind;

/// The editor's text fields and the columns they are stored in.
struct CampoTesto {
    Control TolmoAnag::*campo;
    const char* colonna;
    const char* etichetta;
};
const CampoTesto kCampi[] = {
    {&TolmoAnag::txtCognome, "Cognome", "Cognome"},
    {&TolmoAnag::txtNome, "Nome", "Nome"},
    {&TolmoAnag::txtLuogoNascita, "LuogoNascita", "Luogo di nascita"},
    {&TolmoAnag::txtCodiceFiscale, "CodiceFiscale", "Codice fiscale"},
    {&TolmoAnag::txtPartitaIva, "PartitaIva", "Partita IVA"},
    {&TolmoAnag::txtIndirizzoRes, "IndirizzoRes", "Indirizzo"},
    {&TolmoAnag::txtNumCivicoRes, "NumCivicoRes", "Numero civico"},
    {&TolmoAnag::txtCapRes, "CapRes", "CAP"},
    {&TolmoAnag::txtCittaRes, "CittaRes", "Città"},
    {&TolmoAnag::txtProvinciaRes, "ProvinciaRes", "Provincia"},
    {&TolmoAnag::txtNumeroTel, "NumeroTel", "Telefono"},
    {&TolmoAnag::txtNumeroFax, "NumeroFax", "Fax"},
    {&TolmoAnag::txtEmail, "Email", "E-mail"},
};

const QStringList kCategorie = {QString(),
                                QStringLiteral("Cliente"),
                                QStringLiteral("Controparte"),
                                QStringLiteral("AVV. C/P"),
                                QStringLiteral("Corrispondente"),
                                QStringLiteral("Istruttore"),
                                QStringLiteral("PROCACCIATORE")};

/// A company's tax code is often its VAT number: eleven digits.
bool comePartitaIva(const QString& codice) {
    static const QRegularExpression undiciCifre(QStringLiteral("^[0-9]{11}$"));
    return undiciCifre.match(codice).hasMatch();
}

QString esitoCodice(const TolmoAnag& a, bool* valido) {
    const QString codice = a.txtCodiceFiscale.text().trimmed().toUpper();
    *valido = true;
    if (codice.isEmpty()) return {};
    if (a.optTipo.index() == 1 && comePartitaIva(codice)) {
        const taxcodes::EsitoPartitaIva e = taxcodes::verificaPartitaIva(codice);
        *valido = e.valido;
        return e.motivo;
    }
    const taxcodes::EsitoCodiceFiscale e = taxcodes::verificaCodiceFiscale(codice, luogoNoto());
    *valido = e.valido;
    return e.motivo;
}

void mostraEsito(Control& etichetta, const QString& motivo, const QString& corretto) {
    etichetta.setCaption(motivo.isEmpty() ? corretto : motivo);
    etichetta.setForeColor(motivo.isEmpty() ? -1 : form::kColoreRosso);
}

}  // namespace

FrmAggiungiAnag::FrmAggiungiAnag(core::ComponentServices& services)
    : form::Form(QStringLiteral("frmAggiungiAnag")), m_services(services) {
    TolmoAnag& a = TolmoAnag1;
    cmdConferma.setCaption(QStringLiteral("&Inserisci"));
    cmdAnnulla.setCaption(QStringLiteral("&Annulla"));
    a.cmdDaCodiceFiscale.setCaption(QStringLiteral("Compila dal &codice fiscale"));
    for (const CampoTesto& c : kCampi)
        (a.*c.campo)
            .setMaxLength(
                core::lunghezzaColonna(QStringLiteral("Anagrafica"), QString::fromLatin1(c.colonna)));
    core::comeData(a.txtDataNascita);

    // A code is judged once it is whole (so the fill button is enabled before the person leaves
    // the field), and whatever it is when the person leaves it.
    a.txtCodiceFiscale.on(EventKind::Change, [this](ControlEvent&) {
        if (TolmoAnag1.txtCodiceFiscale.text().trimmed().size() >= 16) {
            verificaCodiceFiscale();
        } else {
            mostraEsito(TolmoAnag1.lblEsitoCodiceFiscale, {}, {});
            TolmoAnag1.cmdDaCodiceFiscale.setEnabled(false);
        }
    });
    a.txtCodiceFiscale.on(EventKind::LostFocus, [this](ControlEvent&) { verificaCodiceFiscale(); });
    a.txtPartitaIva.on(EventKind::LostFocus, [this](ControlEvent&) { verificaPartitaIva(); });
    a.optTipo.on(EventKind::Click, [this](ControlEvent&) {
        TolmoAnag1.optSesso.setEnabled(TolmoAnag1.optTipo.index() == 0);
        verificaCodiceFiscale();
    });
    a.cmdDaCodiceFiscale.on(EventKind::Click, [this](ControlEvent&) { compilaDaCodiceFiscale(); });
    cmdConferma.on(EventKind::Click, [this](ControlEvent&) { conferma(); });
    cmdAnnulla.on(EventKind::Click, [this](ControlEvent&) { setShown(false); });
    lblInfo2.on(EventKind::Click, [this](ControlEvent&) {
        if (lblInfo2.caption().isEmpty()) return;
        scriviMail(m_services, lblInfo2.caption(), m_oggetto, m_corpo, this);
    });
}

void FrmAggiungiAnag::svuota() {
    TolmoAnag& a = TolmoAnag1;
    for (const CampoTesto& c : kCampi) (a.*c.campo).setText(QString());
    a.txtDataNascita.setText(QString());
    a.optTipo.setIndex(0);
    a.optSesso.setIndex(0);
    a.cmbCategoria.setRows(kCategorie);
    a.cmbCategoria.setSelectedRow(0);
    a.cmbCategoria.setText(QString());
    mostraEsito(a.lblEsitoCodiceFiscale, {}, {});
    mostraEsito(a.lblEsitoPartitaIva, {}, {});
    a.cmdDaCodiceFiscale.setEnabled(false);
    Label1.setCaption(QString());
    lblInfo2.setCaption(QString());
    lblInfo2.setVisible(false);
    m_registrata = false;
}

void FrmAggiungiAnag::nuova(form::Control& target, ConnectionPtr rw) {
    m_rw = std::move(rw);
    m_target = &target;
    m_id = 0;
    svuota();
    setCaption(QStringLiteral("Nuova Anagrafica"));
    cmdConferma.setCaption(QStringLiteral("&Inserisci"));
    TolmoAnag1.txtCognome.setFocus();
    m_services.ui().showModal(*this);
    m_target = nullptr;
}

bool FrmAggiungiAnag::modifica(const QVariantMap& parte, ConnectionPtr rw) {
    m_rw = std::move(rw);
    m_target = nullptr;
    m_id = parte.value(QStringLiteral("ID")).toInt();
    svuota();
    if (!m_services.trap(QStringLiteral("Caricamento Anagrafica"), [&] { carica(m_id); })) return false;
    setCaption(QStringLiteral("Modifica Anagrafica"));
    cmdConferma.setCaption(QStringLiteral("&Modifica"));
    const QString mail = parte.value(QStringLiteral("EMAIL")).toString().trimmed();
    Label1.setCaption(mail.isEmpty() ? QString() : QStringLiteral("E-mail :  "));
    lblInfo2.setCaption(mail);
    lblInfo2.setVisible(!mail.isEmpty());
    m_oggetto = parte.value(QStringLiteral("OGGETTO")).toString();
    m_corpo = parte.value(QStringLiteral("BODY")).toString();
    TolmoAnag1.txtCognome.setFocus();
    m_services.ui().showModal(*this);
    return m_registrata;
}

void FrmAggiungiAnag::carica(int id) {
    TolmoAnag& a = TolmoAnag1;
    AccessoDati dati;
    dati.Apri(m_rw, QStringLiteral("SELECT * FROM Anagrafica WHERE ID_Ana = ") + QString::number(id),
              adLockReadOnly);
    Recordset& rs = dati.recordset();
    if (!rs.Eof()) {
        for (const CampoTesto& c : kCampi) (a.*c.campo).setText(rs.text(QString::fromLatin1(c.colonna)));
        const QDate nascita = rs.value(QStringLiteral("DataNascita")).toDate();
        a.txtDataNascita.setText(nascita.isValid() ? nascita.toString(QStringLiteral("dd/MM/yyyy"))
                                                   : QString());
        a.optTipo.setIndex(rs.value(QStringLiteral("IsFisicaGiuridica")).toBool() ? 0 : 1);
        // A sex or a category the editor does not offer is kept as it is stored.
        const QString sesso = rs.text(QStringLiteral("Sesso"));
        a.optSesso.setIndex(sesso == QStringLiteral("M") ? 0 : sesso == QStringLiteral("F") ? 1 : -1);
        const QString categoria = rs.text(QStringLiteral("Categoria"));
        if (a.cmbCategoria.findRow(0, categoria) < 0) a.cmbCategoria.addRow(categoria);
        a.cmbCategoria.setSelectedRow(a.cmbCategoria.findRow(0, categoria));
    }
    dati.Chiudi();
    verificaCodiceFiscale();
    verificaPartitaIva();
}

void FrmAggiungiAnag::verificaCodiceFiscale() {
    TolmoAnag& a = TolmoAnag1;
    bool valido = true;
    const QString motivo = esitoCodice(a, &valido);
    const bool vuoto = a.txtCodiceFiscale.text().trimmed().isEmpty();
    mostraEsito(a.lblEsitoCodiceFiscale, motivo,
                vuoto ? QString() : QStringLiteral("Codice fiscale corretto."));
    a.cmdDaCodiceFiscale.setEnabled(!vuoto && valido && a.optTipo.index() == 0);
}

void FrmAggiungiAnag::verificaPartitaIva() {
    TolmoAnag& a = TolmoAnag1;
    const QString numero = a.txtPartitaIva.text().trimmed();
    const QString motivo = numero.isEmpty() ? QString() : taxcodes::verificaPartitaIva(numero).motivo;
    mostraEsito(a.lblEsitoPartitaIva, motivo,
                numero.isEmpty() ? QString() : QStringLiteral("Partita IVA corretta."));
}

void FrmAggiungiAnag::compilaDaCodiceFiscale() {
    TolmoAnag& a = TolmoAnag1;
    const taxcodes::EsitoCodiceFiscale e =
        taxcodes::verificaCodiceFiscale(a.txtCodiceFiscale.text(), luogoNoto());
    if (!e.valido) return;
    a.txtDataNascita.setText(e.nascita.toString(QStringLiteral("dd/MM/yyyy")));
    a.optSesso.setIndex(e.femmina ? 1 : 0);
    const QString comune = comuneDelCodice(e.codiceCatastale);
    if (!comune.isEmpty()) a.txtLuogoNascita.setText(comune);
}

bool FrmAggiungiAnag::accettaAvvisi() {
    verificaCodiceFiscale();
    verificaPartitaIva();
    QStringList avvisi;
    for (const Control* esito : {&TolmoAnag1.lblEsitoCodiceFiscale, &TolmoAnag1.lblEsitoPartitaIva})
        if (esito->foreColor() == form::kColoreRosso) avvisi << esito->caption();
    if (avvisi.isEmpty()) return true;
    return m_services.ui().messageBox(QStringLiteral("ATTENZIONE : ") + avvisi.join(QLatin1Char('\r')) +
                                          QLatin1Char('\r') + QStringLiteral("Salvare comunque ?"),
                                      m_services.messageTitle(), form::MsgButtons::YesNo,
                                      form::MsgIcon::Exclamation, 1) == form::MsgAnswer::Yes;
}

void FrmAggiungiAnag::conferma() {
    TolmoAnag& a = TolmoAnag1;
    const QString data = a.txtDataNascita.text();
    if (!core::dataVuota(data) && !core::dataDelCampo(data).isValid()) {
        m_services.ui().messageBox(QStringLiteral("La data di nascita non è corretta."),
                                   m_services.messageTitle(), form::MsgButtons::OK,
                                   form::MsgIcon::Information);
        a.txtDataNascita.setFocus();
        return;
    }
    if (!accettaAvvisi()) return;

    QList<ValoreAnagrafica> valori;
    for (const CampoTesto& c : kCampi) {
        const QString testo = (a.*c.campo).text();
        // The tax code is stored in capitals, as it is checked.
        valori.append({QString::fromLatin1(c.colonna), QString::fromUtf8(c.etichetta),
                       c.campo == &TolmoAnag::txtCodiceFiscale ? testo.trimmed().toUpper() : testo});
    }
    const bool fisica = a.optTipo.index() != 1;
    valori.append({QStringLiteral("IsFisicaGiuridica"), QStringLiteral("Tipo"), fisica});
    valori.append({QStringLiteral("Sesso"), QStringLiteral("Sesso"),
                   fisica && a.optSesso.index() >= 0
                       ? QVariant(a.optSesso.index() == 1 ? QStringLiteral("F") : QStringLiteral("M"))
                       : QVariant()});
    valori.append({QStringLiteral("DataNascita"), QStringLiteral("Data di nascita"),
                   core::dataVuota(data) ? QVariant() : QVariant(core::dataDelCampo(data))});
    valori.append({QStringLiteral("Categoria"), QStringLiteral("Categoria"), a.cmbCategoria.text()});
    // A failure leaves the form open with what was typed: nothing of it was stored.
    m_services.trap(QStringLiteral("Registrazione Anagrafica"), [&] {
        try {
            const int id = registraAnagrafica(m_rw, valori, m_id);
            m_registrata = true;
            if (m_target) m_target->setTag(QString::number(id));
            setShown(false);
        } catch (const PartyRefused& refused) {
            m_services.ui().messageBox(refused.message(), m_services.messageTitle(), form::MsgButtons::OK,
                                       form::MsgIcon::Information);
            a.txtCognome.setFocus();
        }
    });
}

}  // namespace tolmo::parties

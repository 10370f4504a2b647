#include "FrmIdentificazioneAR.h"

#include <QDate>
#include <QSqlQuery>

#include "access/TolmoAccess.h"
#include "core/model/CaseValues.h"
#include "core/model/DateField.h"
#include "parties/Birthplaces.h"
#include "taxcodes/TaxCodes.h"

namespace tolmo::aml {

namespace {
using form::ControlEvent;
using form::EventKind;
const QString kTitolo = QStringLiteral("Identificazione antiriciclaggio");
}  // namespace

FrmIdentificazioneAR::FrmIdentificazioneAR(core::ComponentServices& services)
    : form::Form(QStringLiteral("frmIdentificazioneAR")), m_services(services) {
    setCaption(kTitolo);
    grdIdentificazioni.setColumnCaptions({QStringLiteral("ID_AR"), QStringLiteral("Identificata da"),
                                          QStringLiteral("Documento"), QStringLiteral("Numero"),
                                          QStringLiteral("Rilasciato da"), QStringLiteral("Data")});
    grdIdentificazioni.setLocked(true);
    cmbTipoDocumento.setRows({QStringLiteral("Carta d'identità"),
                              QStringLiteral("Carta d'identità elettronica"), QStringLiteral("Passaporto"),
                              QStringLiteral("Patente di guida"), QStringLiteral("Permesso di soggiorno")});
    cmbTipoDocumento.setMaxLength(50);
    txtNumeroDocumento.setMaxLength(30);
    txtRilasciatoDa.setMaxLength(100);
    core::comeData(txtDataIdentificazione);
    cmdSalva.setCaption(QStringLiteral("&Salva identificazione"));
    cmdChiudi.setCaption(QStringLiteral("&Chiudi"));
    cmdSalva.on(EventKind::Click, [this](ControlEvent&) { salva(); });
    cmdChiudi.on(EventKind::Click, [this](ControlEvent&) { setShown(false); });
}

void FrmIdentificazioneAR::ApriIdentificazione(int anagrafica, ConnectionPtr conn,
                                               const QString& professionista, const QString& utenteCodice,
                                               const Professionista& chi) {
    m_anagrafica = anagrafica;
    m_conn = std::move(conn);
    m_chi = chi;
    // Known by his code, the professional identifies as that user; else by his VAT number.
    lblProfessionista.setCaption(QStringLiteral("Identificata da: ") +
                                 (chi.codiceAR.isEmpty() ? professionista
                                                         : utenteCodice + QStringLiteral(" (codice ") +
                                                               chi.codiceAR + QLatin1Char(')')));
    cmbTipoDocumento.setText(QString());
    txtNumeroDocumento.setText(QString());
    txtRilasciatoDa.setText(QString());
    txtDataIdentificazione.setText(QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")));
    carica();
    m_services.ui().showModal(*this);
}

void FrmIdentificazioneAR::carica() {
    QVector<QVector<QVariant>> table;
    m_services.trap(QStringLiteral("GetAnagrafica"), [&] {
        const Identificazione parte = cercaIdentificazione(*m_conn, m_anagrafica, nullptr);
        m_persona = parte.persona;
        m_codiceFiscale = parte.codiceFiscale;
        lblAnagrafica.setCaption(parte.nome);
        lblCodiceFiscale.setCaption(
            (m_persona ? QStringLiteral("Codice fiscale: ") : QStringLiteral("Partita IVA: ")) +
            parte.codiceFiscale);
        QSqlQuery q = m_conn->query(
            QStringLiteral("SELECT a.id_ar, (SELECT MIN(u.NomeUtente) FROM Utenti u WHERE ") +
                kIdentificatoreDi +
                QStringLiteral("), a.TipoDocumento, a.NumeroDocumento, a.RilasciatoDa, a.DataIdentificazione "
                               "FROM AnagraficaAR a WHERE a.R_Id_Anag = ? ORDER BY a.id_ar"),
            {m_anagrafica});
        while (q.next())
            table.append({q.value(0), q.value(1).toString(), q.value(2), q.value(3), q.value(4),
                          core::testoData(q.value(5))});
    });
    grdIdentificazioni.setTable(table);
}

bool FrmIdentificazioneAR::rifiuta(const QString& testo, form::Control& campo) {
    m_services.ui().messageBox(testo, kTitolo, form::MsgButtons::OK, form::MsgIcon::Information);
    campo.setFocus();
    return false;
}

void FrmIdentificazioneAR::salva() {
    if (m_chi.partitaIva.isEmpty() && m_chi.codiceAR.isEmpty()) {
        rifiuta(QStringLiteral("Scegliere prima il professionista che identifica l'anagrafica."), cmdChiudi);
        return;
    }
    const QString tipo = cmbTipoDocumento.text().trimmed();
    const QString numero = txtNumeroDocumento.text().trimmed();
    const QDate data = core::dataDelCampo(txtDataIdentificazione.text());
    if (tipo.isEmpty()) {
        rifiuta(QStringLiteral("Indicare il tipo di documento."), cmbTipoDocumento);
        return;
    }
    if (numero.isEmpty()) {
        rifiuta(QStringLiteral("Indicare il numero del documento."), txtNumeroDocumento);
        return;
    }
    if (!data.isValid() || data > QDate::currentDate()) {
        rifiuta(QStringLiteral("La data di identificazione deve essere un giorno, non dopo oggi."),
                txtDataIdentificazione);
        return;
    }
    // The archive takes a person whose tax code is right, or a company with a valid VAT number.
    if (!m_codiceFiscale.isEmpty()) {
        const QString motivo =
            m_persona ? taxcodes::verificaCodiceFiscale(m_codiceFiscale, parties::luogoNoto()).motivo
                      : taxcodes::verificaPartitaIva(m_codiceFiscale).motivo;
        if (!motivo.isEmpty()) {
            lblCodiceFiscale.setForeColor(form::kColoreRosso);
            rifiuta(motivo + QStringLiteral(" Correggerlo in anagrafica prima di identificarla."), cmdChiudi);
            return;
        }
    }
    const bool fatto = m_services.trap(QStringLiteral("Inserimento identificazione"), [&] {
        Transaction transaction(*m_conn);
        m_conn->Execute(
            QStringLiteral("INSERT INTO AnagraficaAR (R_Id_Anag, codiceprof, AzeroDue, DataIdentificazione, "
                           "TipoDocumento, NumeroDocumento, RilasciatoDa) VALUES (?, ?, ?, ?, ?, ?, ?)"),
            {m_anagrafica, testo(m_chi.partitaIva),
             m_chi.codiceAR.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(m_chi.codiceAR),
             data, testo(tipo), testo(numero), testo(txtRilasciatoDa.text().trimmed())});
        transaction.commit();
    });
    if (!fatto) return;
    txtNumeroDocumento.setText(QString());
    carica();
}

}  // namespace tolmo::aml

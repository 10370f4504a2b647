#include "FrmFrazionata.h"

#include <QSqlQuery>

#include "Identifications.h"
#include "core/model/CaseValues.h"

namespace tolmo::aml {

namespace {
using form::ControlEvent;
using form::EventKind;
}  // namespace

FrmFrazionata::FrmFrazionata(core::ComponentServices& services)
    : form::Form(QStringLiteral("frmFrazionata")), m_services(services) {
    setCaption(QStringLiteral("Registrazioni frazionate"));
    lblCodice.setCaption(QStringLiteral("Codice gruppo di frazionamento"));
    lblSeleziona.setCaption(
        QStringLiteral("Selezionare la prestazione da associare nel gruppo di frazionamento(*)"));
    lblNota.setCaption(
        QStringLiteral("(*) Se si tratta della prima prestazione del gruppo di frazionamento, confermare il "
                       "codice proposto"));
    cmdImposta.setCaption(QStringLiteral("&Imposta frazionata"));
    cmdAnnulla.setCaption(QStringLiteral("&Annulla"));
    cmbFrazreg.on(EventKind::DropDown, [this](ControlEvent&) { riempi(); });
    cmbFrazreg.on(EventKind::Choose, [this](ControlEvent& e) {
        if (e.row >= 0) m_scelto = cmbFrazreg.cell(e.row, 0);
    });
    cmdImposta.on(EventKind::Click, [this](ControlEvent&) {
        m_codice = m_scelto;
        setShown(false);
    });
    cmdAnnulla.on(EventKind::Click, [this](ControlEvent&) {
        m_codice.reset();
        setShown(false);
    });
}

void FrmFrazionata::ValorizzaFrazionate(ConnectionPtr conn, const QString& proposto,
                                        const QString& partitaIva, const QString& codiceAR) {
    m_conn = std::move(conn);
    m_partitaIva = partitaIva;
    m_codiceAR = codiceAR;
    m_scelto = proposto;
    m_codice.reset();
    cmbFrazreg.clear();
    cmbFrazreg.setText(proposto);
}

// The first service of every split group of the professional.
void FrmFrazionata::riempi() {
    QStringList righe;
    m_services.trap(QStringLiteral("Gestione delle frazionate"), [&] {
        // A professional known by his code alone sees his own groups, not those of every
        // professional without a VAT number.
        const bool perCodice = m_partitaIva.isEmpty() && !m_codiceAR.isEmpty();
        QSqlQuery q = m_conn->query(
            QStringLiteral(
                "SELECT p.ProgressivoAR, p.CodicePU, p.ImportoPrest, p.DataRegPrest, p.R_IdPra, "
                "t.DescrPrest FROM PrestazioniAR p LEFT JOIN TipiPrestazione t ON "
                "p.R_TipoPrest = t.id_prest WHERE p.ProgressivoAR = p.R_IdPra AND p.IsFrazionata = ? "
                "AND p.Codice = ?") +
                (perCodice ? QStringLiteral(" AND p.CodicePU = ?") : QString()) +
                QStringLiteral(" ORDER BY p.ProgressivoAR"),
            perCodice ? QVariantList{true, testo(m_partitaIva), m_codiceAR}
                      : QVariantList{true, testo(m_partitaIva)});
        while (q.next())
            righe.append(QStringList{
                q.value(0).toString(), q.value(1).toString(), Currency::fromVariant(q.value(2)).toItalian(2),
                core::testoData(q.value(3)), q.value(4).toString(), q.value(5).toString()}
                             .join(QLatin1Char('\t')));
    });
    const QString testo = cmbFrazreg.text();
    cmbFrazreg.setRows(righe);
    cmbFrazreg.setText(testo);
}

}  // namespace tolmo::aml

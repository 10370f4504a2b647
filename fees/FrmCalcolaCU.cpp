#include "FrmCalcolaCU.h"

#include <QDir>
#include <QScopedValueRollback>

#include "core/model/FieldRules.h"

namespace tolmo::fees {

FrmCalcolaCU::FrmCalcolaCU(core::ComponentServices& services)
    : form::Form(QStringLiteral("frmCalcolaCU")), m_services(services) {
    setCaption(QStringLiteral("Calcola Contributo Unificato"));
    lblNota.setCaption(
        QStringLiteral("NB: Il calcolo del Contributo Unificato viene proposto all'utente in base al valore "
                       "della controversia.  Verificare la correttezza del valore calcolato in base alla "
                       "materia ed ai casi particolari."));
    fraValore.setCaption(QStringLiteral("Valore della controversia"));
    lblIndeterminabile.setCaption(QStringLiteral("Valore Indeterminabile"));
    chkDimezza.setCaption(QStringLiteral("Contributo dimezzato"));
    cmdConsulta.setCaption(QStringLiteral("&Consulta Documentazione"));
    cmdRiportaVal.setCaption(QStringLiteral("&Riporta Val. Calcolato"));
    cmdAnnulla.setCaption(QStringLiteral("&Annulla"));
    core::comeImporto(mskValore);
    core::comeImporto(mskImportoContributo);
    chkDimezza.on(form::EventKind::Click, [this](form::ControlEvent&) {
        if (!m_caricando) dimezzaImporto();
    });
    cmdConsulta.on(form::EventKind::Click, [this](form::ControlEvent&) { consulta(); });
    // Either button hands the amount back: the case form reads ValoreCalcolo however it closes.
    cmdRiportaVal.on(form::EventKind::Click, [this](form::ControlEvent&) { setShown(false); });
    cmdAnnulla.on(form::EventKind::Click, [this](form::ControlEvent&) { setShown(false); });
}

void FrmCalcolaCU::mostra() {
    carica();
    m_services.ui().showModal(*this);
}

void FrmCalcolaCU::mostraImporto(Currency importo) {
    mskImportoContributo.setAmount(importo);
    ValoreCalcolo = importo;
}

// Every showing starts from fresh fields, as a form loaded anew.
void FrmCalcolaCU::carica() {
    {
        const QScopedValueRollback<bool> caricando(m_caricando, true);
        chkDimezza.setChecked(false);
        mskImportoContributo.setAmount(std::nullopt);
    }
    const bool indeterminabile = ValoreCalcolo == kValoreIndeterminabile;
    mskValore.setAmount(indeterminabile ? Currency() : ValoreCalcolo);
    lblIndeterminabile.setVisible(indeterminabile);
    if (ImportoProposto != Currency())
        mostraImporto(ImportoProposto);
    else
        cercaScaglione();
    cmdConsulta.setFocus();
}

// A value no bracket holds leaves the amount empty and hands back no fee, rather than the case
// value itself.
void FrmCalcolaCU::cercaScaglione() {
    if (lblIndeterminabile.visible()) {
        mostraImporto(kContributoIndeterminabile);
        return;
    }
    if (mskValore.amount().value_or(Currency()) == Currency()) {
        mostraImporto(kContributoMinimo);
        return;
    }
    std::optional<Currency> trovato;
    const bool letto = m_services.trap(QStringLiteral("Calcolo Contributo Unificato"),
                                       [&] { trovato = contributoDelloScaglione(*m_conn, ValoreCalcolo); });
    if (!letto || !trovato) {
        ValoreCalcolo = Currency();
        return;
    }
    mostraImporto(*trovato);
    if (Dimezzato) chkDimezza.setChecked(true);
}

void FrmCalcolaCU::dimezzaImporto() {
    const std::optional<Currency> importo = mskImportoContributo.amount();
    if (!importo) {
        const QScopedValueRollback<bool> caricando(m_caricando, true);
        chkDimezza.setChecked(false);
        return;
    }
    mostraImporto(dimezza(*importo, chkDimezza.checked()));
}

QString FrmCalcolaCU::percorsoDocumentazione(const QString& pathExe) {
    const QChar sep = QDir::separator();
    return pathExe + sep + QStringLiteral("PdfInput") + sep + QStringLiteral("CONTRIBUTO UNIFICATO.pdf");
}

// A missing document is the shell's to say.
void FrmCalcolaCU::consulta() {
    const QString pathExe = m_services.settings().value(QStringLiteral("startup"), QStringLiteral("PathEXE"));
    m_services.ui().shellOpen(percorsoDocumentazione(pathExe), this);
}

}  // namespace tolmo::fees

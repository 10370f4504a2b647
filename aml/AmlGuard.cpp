#include "AmlGuard.h"

#include "access/TolmoAccess.h"

namespace tolmo::aml {

AmlGuard::AmlGuard(core::ComponentServices& services, core::PraticaForm& form)
    : frmGestAR(services), frmIdentificazione(services), m_services(services), m_form(form) {
    form.cmdAR.on(form::EventKind::Click, [this](form::ControlEvent&) { apriPrestazione(); });
    frmGestAR.apriIdentificazione = [this](int anagrafica) {
        frmIdentificazione.ApriIdentificazione(
            anagrafica, m_services.connReadWrite(), frmGestAR.cmbProfessionista.text(),
            frmGestAR.cmbCodUte.text(),
            {frmGestAR.txtpartitaIva.text().trimmed(), frmGestAR.cmbCodUte.selectedCell(3)});
    };
}

void AmlGuard::apriPrestazione() {
    const int caseId = m_services.currentId();
    if (caseId <= 0) return;
    int professionista = 0;
    if (auto* contabilita = dynamic_cast<form::ListControl*>(m_form.find(QStringLiteral("cmbContabilita"))))
        professionista = contabilita->selectedCell(1).toInt();
    frmGestAR.ValorizzaAR(m_services.connReadWrite(), caseId, professionista, m_form.TEDDenaroValore.text());
    frmGestAR.apri();
    m_services.ui().showModal(frmGestAR);
    m_services.raiseSetDummy();
}

void AmlGuard::tabChanged(int tab, short editState) {
    if (tab == core::TabGenerale) m_form.cmdAR.setEnabled(editState != 2 && editState != 3);
}

std::optional<core::Refusal> AmlGuard::refuseDeletion(int caseId) {
    AccessoDati antiriciclaggio;
    antiriciclaggio.Apri(m_services.connReadWrite(),
                         QStringLiteral("SELECT * FROM Pratica INNER JOIN PrestazioniAR ON Pratica.Id_Pra= "
                                        "PrestazioniAR.R_idPra WHERE Id_Pra = ") +
                             QString::number(caseId),
                         adLockOptimistic);
    const bool registrata = !antiriciclaggio.recordset().Eof();
    antiriciclaggio.Chiudi();
    if (!registrata) return std::nullopt;
    return core::Refusal{QStringLiteral("Attenzione la pratica non può essere cancellata perchè risulta") +
                             QStringLiteral("\r\n") +
                             QStringLiteral("registrata nell'archivio antiriciclaggio"),
                         form::MsgIcon::Information, false};
}

}  // namespace tolmo::aml

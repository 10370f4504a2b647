#include "AmlGuard.h"

#include "access/TolmoAccess.h"

namespace tolmo::aml {

AmlGuard::AmlGuard(core::ComponentServices& services, core::PraticaForm& form)
    : m_services(services), m_form(form) {}

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

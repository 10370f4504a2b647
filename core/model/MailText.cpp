#include "MailText.h"

#include "CaseHeader.h"

namespace tolmo::core {

QString TestoMailPratica(ComponentServices& services, PraticaForm& form) {
    if (services.currentId() < 1) return {};
    CaseHeader& header = services.header();
    return QStringLiteral("POSIZIONE :") + header.posizione() + kFineRigaMail + QStringLiteral("CLIENTE :") +
           header.cognomeCliente() + kFineRigaMail + QStringLiteral("CONTROPARTE : ") +
           header.cognomeControparte() + QStringLiteral(" %0D%0A%0D%0A") + QStringLiteral("OGGETTO : ") +
           form.cmbOggetto.text() + kFineRigaMail;
}

}  // namespace tolmo::core

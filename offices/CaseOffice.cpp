#include "CaseOffice.h"

namespace tolmo::offices {

CaseOffice::CaseOffice(core::ComponentServices& services, core::PraticaForm& form)
    : fields(form), dlgUffici(services), m_services(services), m_form(form) {
    fields.cmdCerca.setCaption(QStringLiteral("…"));
    fields.cmdCerca.setToolTip(QStringLiteral("Scegli l'ufficio giudiziario"));
    fields.cmdCerca.on(form::EventKind::Click, [this](form::ControlEvent&) { cerca(); });
}

void CaseOffice::cerca() {
    // Only a case being edited takes an office (the button is disabled otherwise).
    if (m_services.editState() < 2) return;
    clsIDToPrat risposta;
    dlgUffici.SettaFormUffici(m_services.connReadWrite(), &risposta, m_services.currentId());
    m_services.ui().showModal(dlgUffici);
    m_services.raiseSetDummy();
    if (risposta.Ufficio.isEmpty()) return;
    const QString ufficio = risposta.Ufficio.toUpper();
    m_form.txtUfficioIscrizione.setText(ufficio);
    m_form.txtUfficioIscrizione.setToolTip(ufficio);
    m_form.txtUfficioIscrizione.setTag(risposta.CodiceUfficio);
}

}  // namespace tolmo::offices

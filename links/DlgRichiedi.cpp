#include "DlgRichiedi.h"

namespace tolmo::links {

DlgRichiedi::DlgRichiedi() : form::Form(QStringLiteral("dlgRichiedi")) {
    setCaption(QStringLiteral("Tolmo Studio"));
    cmdOk.setCaption(QStringLiteral("&Si"));
    cmdAnnulla.setCaption(QStringLiteral("&No"));
    chkNonRic.setCaption(QStringLiteral("Non richiedere più"));
    cmdOk.on(form::EventKind::Click, [this](form::ControlEvent&) { rispondi(1); });
    cmdAnnulla.on(form::EventKind::Click, [this](form::ControlEvent&) { rispondi(0); });
}

void DlgRichiedi::ImpostaMessaggio(const QString& text) { lblMessaggio.setCaption(text); }

void DlgRichiedi::SettaDlg(clsIDToPrat* answer) { m_answer = answer; }

void DlgRichiedi::rispondi(short risposta) {
    if (m_answer) {
        m_answer->Risposta = risposta;
        m_answer->BloccaRichiedi = chkNonRic.checked() ? 1 : 0;
    }
    setShown(false);
}

}  // namespace tolmo::links

#include "CaseLinks.h"

namespace tolmo::links {

namespace {
using form::ControlEvent;
using form::EventKind;
}  // namespace

CaseLinks::CaseLinks(core::ComponentServices& services, core::PraticaForm& form)
    : fields(form), dlgPratCollegate(services), dlgAvvocati(services), m_services(services), m_form(form) {
    fields.cmdAltri.setCaption(QStringLiteral("Altri a&vvocati"));
    form.cmdPratCollegate.on(EventKind::Click, [this](ControlEvent&) { praticheCollegate(); });
    fields.cmdAltri.on(EventKind::Click, [this](ControlEvent&) { altriAvvocati(); });
}

void CaseLinks::praticheCollegate() {
    clsIDToPrat risposta;
    dlgPratCollegate.SettaFormPraticheCollegate(m_services.connReadWrite(), m_services.currentId(),
                                                &risposta);
    m_services.ui().showModal(dlgPratCollegate);
    m_services.raiseSetDummy();
    if (risposta.PraticaToOpen > 0) m_services.mostraPratica(risposta.PraticaToOpen);
}

void CaseLinks::altriAvvocati() {
    const short stato = m_services.editState();
    if (m_services.currentId() < 1 && stato != 3) {
        m_services.ui().messageBox(QStringLiteral("ATTENZIONE : Nessuna pratica è stata selezionata"),
                                   m_services.messageTitle(), form::MsgButtons::OK,
                                   form::MsgIcon::Information);
        return;
    }
    dlgAvvocati.SettaAltriAvvocati(stato == 3 ? 0 : m_services.currentId(), m_services.connReadWrite(),
                                   stato);
    dlgAvvocati.mostra();
}

// Only a new case takes the lawyers waiting under case 0: a modification saved meanwhile on
// another workstation must not take the lawyers of an insertion still going on.
void CaseLinks::save(core::SaveContext& ctx) {
    if (ctx.nuova) AggIdNew(ctx.conn, ctx.caseId, false);
    CreaTxtAvvCoinvolti(ctx.conn, ctx.caseId);
}

void CaseLinks::afterCommit(const core::SaveContext& ctx) {
    if (ctx.nuova) m_inserimento = false;
}

void CaseLinks::lascia() {
    if (!m_inserimento) return;
    m_inserimento = false;
    m_services.trap(QStringLiteral("Caricamento Utenti coinvolti"),
                    [&] { AggIdNew(m_services.connReadWrite(), 0, true); });
}

}  // namespace tolmo::links

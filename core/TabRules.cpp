// What the tabs of the case form allow, in consultation and while editing, and the relevance
// field's ceiling.

#include "CaseValues.h"
#include "TolmoPratica.h"

namespace tolmo {

namespace {
// The relevance of a case is a percentage of the tariff, at most 400%.
const Currency kRilevanzaMassima = Currency::fromUnits(400);
}  // namespace

void TolmoPratica::cambiaScheda(int tab) {
    commitGridEdits();
    core::PraticaForm& f = m_form;
    const bool editing = m_editState == Modifica_ || m_editState == Inserimento_;

    // Everything that depends on the tab is switched off first.
    f.txtNOTE.setLocked(false);
    for (form::Control* c : {&f.frameRiferimenti, &f.FrameWeb, &f.frameResponsabile, &f.frameCorrispondente,
                             &f.FrameProcacciatore, &f.fraCampiLiberi, &f.cmdPiuCli, &f.cmdPiuContro,
                             &f.cmdMenoCli, &f.cmdMenoContro})
        c->setEnabled(false);
    f.GridClienti.setLocked(true);
    f.GridControparti.setLocked(true);

    switch (tab) {
        case core::TabGenerale:
            f.txtNOTE.setLocked(!editing);
            f.cmdAR.setEnabled(!editing);
            break;
        case core::TabParti:
            // Parties are added to a stored case only: a new one has no id to hang them on.
            if (m_editState == Modifica_) {
                for (form::Control* c : {&f.cmdPiuCli, &f.cmdPiuContro, &f.cmdMenoCli, &f.cmdMenoContro})
                    c->setEnabled(true);
                f.GridClienti.setLocked(false);
                f.GridControparti.setLocked(false);
            }
            break;
        case core::TabRiferimenti:
            for (form::Control* c : {&f.frameCorrispondente, &f.frameRiferimenti, &f.FrameWeb,
                                     &f.frameResponsabile, &f.FrameProcacciatore})
                c->setEnabled(editing);
            if (editing && f.cmbContabilita.text().isEmpty()) SettaContabilita(m_utenteContabilita);
            break;
        case core::TabCampiLiberi:
            f.fraCampiLiberi.setEnabled(editing);
            f.fraCampiLiberi2.setEnabled(editing);
            break;
        case core::TabContabilita:
            for (form::Control* c : {&f.FTotaleAcconti, &f.FSpeseSostenute, &f.FRimanenzaFondo,
                                     &f.FTotaleCredito, &f.FTotaleIncassi})
                c->setLocked(true);
            break;
        case core::TabSoggetti:
            f.fraSoggetti.setEnabled(editing);
            break;
        case core::TabRappresentanti:
            f.fraRappresentanti.setEnabled(editing);
            break;
        default:
            break;
    }
    if (tab == core::TabSoggetti) {
        f.cmbSoggetto.clear();
        m_parties.CercaAnagrafica(f.cmbSoggetto);
    }
}

void TolmoPratica::controllaRilevanza() {
    const std::optional<Currency> rilevanza = core::numeroDigitato(m_form.TEDNumRilevanza.text());
    if (!rilevanza || *rilevanza <= kRilevanzaMassima) return;
    message(QStringLiteral("La Rilevanza della Pratica non può essere maggiore del 400%"),
            form::MsgButtons::OK, form::MsgIcon::Information);
    emit SetDummy();
    m_form.TEDNumRilevanza.setText(QString());
}

}  // namespace tolmo

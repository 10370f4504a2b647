// What the tabs of the case form allow, in consultation and while editing, and the relevance
// field's ceiling.

#include "TolmoPratica.h"
#include "core/model/CaseValues.h"

namespace tolmo {

namespace {
// The relevance of a case is a percentage of the tariff, at most 400%.
const Currency kRilevanzaMassima = Currency::fromUnits(400);
}  // namespace

// Each section first switches off what depends on the tab, then opens what the new tab offers.
void TolmoPratica::cambiaScheda(int tab) {
    const bool editing = m_editState == Modifica_ || m_editState == Inserimento_;
    m_form.txtNOTE.setLocked(tab == core::TabGenerale && !editing);
    perSection([&](core::CaseSection& s) { s.tabChanged(tab, m_editState); });
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

#include "DlgTariffa.h"

#include <QScopedValueRollback>

#include "core/model/CaseValues.h"
#include "core/model/FieldRules.h"

namespace tolmo::fees {

DlgTariffa::DlgTariffa() : form::Form(QStringLiteral("dlgTariffa")) {
    setCaption(QStringLiteral("Tariffazione oraria pratica"));
    optDefault.setCaption(QStringLiteral("Tariffazione oraria default "));
    optTariffa1.setCaption(QStringLiteral("Tariffa 1"));
    optTariffa2.setCaption(QStringLiteral("Tariffa 2"));
    optTariffaFlat.setCaption(QStringLiteral("Tariffa Flat"));
    lblMaggiorazione.setCaption(QStringLiteral("Maggiorazione (+/-)"));
    lblSegnoPercento.setCaption(QStringLiteral("%"));
    lblFlat.setCaption(QStringLiteral("Importo Flat"));
    cmdOk.setCaption(QStringLiteral("&OK"));
    cmdChiudi.setCaption(QStringLiteral("&Chiudi"));
    TEDNumMaggiorazione.setSelectOnEntry(true);
    core::comeImporto(TEDDenaroFlat);
    for (form::CheckBox* o : {&optDefault, &optTariffa1, &optTariffa2, &optTariffaFlat})
        o->on(form::EventKind::Click, [this, o](form::ControlEvent&) { scegli(*o); });
    cmdOk.on(form::EventKind::Click, [this](form::ControlEvent&) { conferma(); });
    cmdChiudi.on(form::EventKind::Click, [this](form::ControlEvent&) { setShown(false); });
}

form::CheckBox* DlgTariffa::opzione(short tipo) {
    switch (tipo) {
        case 1:
            return &optTariffa1;
        case 2:
            return &optTariffa2;
        case 3:
            return &optTariffaFlat;
        default:
            return &optDefault;
    }
}

// Choosing an option unchooses the others; choosing the chosen one again keeps it.
void DlgTariffa::scegli(form::CheckBox& scelta) {
    if (m_scegliendo) return;
    const QScopedValueRollback<bool> scegliendo(m_scegliendo, true);
    scelta.setChecked(true);
    for (form::CheckBox* o : {&optDefault, &optTariffa1, &optTariffa2, &optTariffaFlat})
        if (o != &scelta) o->setChecked(false);
    const bool percentuale = &scelta == &optTariffa1 || &scelta == &optTariffa2;
    const bool flat = &scelta == &optTariffaFlat;
    for (form::Control* c : {&lblMaggiorazione, &TEDNumMaggiorazione, &lblSegnoPercento})
        c->setVisible(percentuale);
    for (form::Control* c : {&lblFlat, &TEDDenaroFlat}) c->setVisible(flat);
}

void DlgTariffa::carica() {
    for (form::Control* c :
         {&lblMaggiorazione, &TEDNumMaggiorazione, &lblSegnoPercento, &lblFlat, &TEDDenaroFlat})
        c->setVisible(false);
    const clsTariffa nessuna;
    const clsTariffa& t = m_tariffa ? *m_tariffa : nessuna;
    scegli(*opzione(t.TipoTariffa));
    TEDDenaroFlat.setText(t.ImportoFlat.toItalian(2));
    TEDNumMaggiorazione.setText(numeroEtichetta(t.Maggiorazione));
}

// An empty or unreadable field counts as 0.
void DlgTariffa::conferma() {
    if (m_tariffa) {
        clsTariffa t;
        if (optTariffa1.checked() || optTariffa2.checked()) {
            // The surcharge is a plain number: every decimal typed is kept.
            t.TipoTariffa = optTariffa1.checked() ? 1 : 2;
            t.Maggiorazione = core::numeroDecimale(TEDNumMaggiorazione.text()).value_or(0.0);
        } else if (optTariffaFlat.checked()) {
            t.TipoTariffa = 3;
            t.ImportoFlat = core::numeroDigitato(TEDDenaroFlat.text()).value_or(Currency());
        }
        *m_tariffa = t;
    }
    setShown(false);
}

}  // namespace tolmo::fees

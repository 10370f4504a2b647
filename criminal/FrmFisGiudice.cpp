#include "FrmFisGiudice.h"

namespace tolmo::criminal {

FrmFisGiudice::FrmFisGiudice(form::Interaction& ui) : form::Form(QStringLiteral("frmFisGiudice")), m_ui(ui) {
    setCaption(QStringLiteral("Termine fissato dal giudice"));
    lblTesto.setCaption(QStringLiteral("Inserire il numero di giorni da aggiungere al deposito motivazione"));
    txtGiorni.setMaxLength(3);
    cmdAdd.setCaption(QStringLiteral("&Conferma"));
    Command1.setCaption(QStringLiteral("&Annulla"));
    cmdAdd.on(form::EventKind::Click, [this](form::ControlEvent&) { conferma(); });
    Command1.on(form::EventKind::Click, [this](form::ControlEvent&) {
        m_giorni = 0;
        setShown(false);
    });
}

// A text that is not a whole number is refused like a number out of range; the form stays.
void FrmFisGiudice::conferma() {
    bool intero = false;
    const int giorni = txtGiorni.text().trimmed().toInt(&intero);
    if (!intero || giorni < kMinimo || giorni > kMassimo) {
        m_ui.messageBox(QStringLiteral("Attenzione inserire la cifra inserita non è corretta"), caption(),
                        form::MsgButtons::OKCancel, form::MsgIcon::Information);
        return;
    }
    m_giorni = giorni;
    setShown(false);
}

}  // namespace tolmo::criminal

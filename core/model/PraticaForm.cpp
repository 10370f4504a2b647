#include "PraticaForm.h"

namespace tolmo::core {

PraticaForm::PraticaForm() : form::Form(QStringLiteral("TolmoPratica")) {
    for (int i = 0; i < kPicXP; ++i) {
        picXP[i] = &make<Control>(form::arrayName(QStringLiteral("picXP"), i), ControlKind::Picture);
    }
    const QString tabs[TabCount] = {
        QStringLiteral("Generale"),     QStringLiteral("Parti"),           QStringLiteral("Riferimenti"),
        QStringLiteral("Campi liberi"), QStringLiteral("Penale"),          QStringLiteral("Contabilità"),
        QStringLiteral("Campi 11-20"),  QStringLiteral("SOGG. COINVOLTI"), QStringLiteral("Rappresentanti"),
    };
    for (int t = 0; t < TabCount; ++t) SSTabPratica.setTabCaption(t, tabs[t]);
    lblDataInizio.setCaption(QStringLiteral("Data Inizio"));
    // How the form first appears: the historical header and the injunction sum show only
    // when a case asks for them.
    for (Control* c : {&HIStorico, &TolDataArch, &lblSommaIng, static_cast<Control*>(&TedDenaroSommaIng)})
        c->setVisible(false);
    HITitolo.setCaption(QStringLiteral("Pratica"));
    HIStorico.setCaption(QStringLiteral("ARCHIVIO STORICO"));
}

}  // namespace tolmo::core

#include "PraticaForm.h"

namespace tolmo::core {

PraticaForm::PraticaForm() : form::Form(QStringLiteral("TolmoPratica")) {
    for (int i = 0; i < kCampiLiberi; ++i) {
        lblCampo[i] = &make<Control>(form::arrayName(QStringLiteral("lblCampo"), i), ControlKind::Label);
        txtCampo[i] = &make<Control>(form::arrayName(QStringLiteral("txtCampo"), i), ControlKind::TextBox);
    }
    for (int i = 0; i < kPicXP; ++i) {
        picXP[i] = &make<Control>(form::arrayName(QStringLiteral("picXP"), i), ControlKind::Picture);
    }
    const QString tabs[TabCount] = {
        QStringLiteral("Generale"),     QStringLiteral("Parti"),        QStringLiteral("Riferimenti"),
        QStringLiteral("Campi liberi"), QStringLiteral("Penale"),       QStringLiteral("Contabilità"),
        QStringLiteral("Campi 11-20"),  QStringLiteral("SOGG. COINVOLTI"), QStringLiteral("Rappresentanti"),
    };
    for (int t = 0; t < TabCount; ++t) SSTabPratica.setTabCaption(t, tabs[t]);
    lblDataInizio.setCaption(QStringLiteral("Data Inizio"));
    // How the form first appears: the search grids drop down only when opened, the
    // accounting totals are computed and never typed, the historical header and the
    // injunction sum show only when a case asks for them.
    for (Control* c : {static_cast<Control*>(&DropClienti), static_cast<Control*>(&DropControparti), &HIStorico,
                       &TolDataArch, &lblSommaIng, static_cast<Control*>(&TedDenaroSommaIng)})
        c->setVisible(false);
    for (Control* c : {&FTotaleAcconti, &FSpeseSostenute, &FRimanenzaFondo, &FTotaleCredito, &FTotaleIncassi})
        c->setLocked(true);
    HITitolo.setCaption(QStringLiteral("Pratica"));
    HIStorico.setCaption(QStringLiteral("ARCHIVIO STORICO"));
    GridClienti.setColumnCaptions({QStringLiteral("Cognome"), QStringLiteral("Nome"), QStringLiteral("Id"),
                                   QStringLiteral("IdMulti")});
    GridControparti.setColumnCaptions(GridClienti.columnCaptions());
    DropClienti.setColumnCaptions({QStringLiteral("Cognome"), QStringLiteral("Nome"), QStringLiteral("Id")});
    DropControparti.setColumnCaptions(DropClienti.columnCaptions());
}

}  // namespace tolmo::core

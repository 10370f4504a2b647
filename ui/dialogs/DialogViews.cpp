#include "ui/dialogs/DialogViews.h"

#include "ui/binder/QtInteraction.h"
#include "ui/dialogs/AnswerDialog.h"
#include "ui_DlgAvvocati.h"
#include "ui_DlgEstremiPagamento.h"
#include "ui_DlgPratCollegate.h"
#include "ui_DlgRichiedi.h"
#include "ui_DlgTariffa.h"
#include "ui_DlgUffici.h"
#include "ui_FrmAggiungiAnag.h"
#include "ui_FrmCalcolaCU.h"
#include "ui_FrmFisGiudice.h"
#include "ui_FrmInfoAnagrafica.h"
#include "ui_FrmInsertImpugnazione.h"
#include "ui_Frazionata.h"
#include "ui_GestAR.h"
#include "ui_IdentificazioneAR.h"
#include "ui_NuovaAnagrafica.h"

namespace tolmo::ui {

namespace {

// Builds the dialog of a Designer class whose Esc presses `escape` of that class.
template <class Ui, class Button>
QDialog* makeDialog(Button* Ui::*escape) {
    auto* dialog = new AnswerDialog;
    Ui ui;
    ui.setupUi(dialog);
    dialog->setEscapeButton(ui.*escape);
    return dialog;
}

}  // namespace

void registerDialogViews(QtInteraction& interaction) {
    interaction.registerView(QStringLiteral("dlgRichiedi"),
                             [](form::Form&) { return makeDialog(&Ui::DlgRichiedi::cmdAnnulla); });
    interaction.registerView(QStringLiteral("frmNuovaAnagrafica"),
                             [](form::Form&) { return makeDialog(&Ui::NuovaAnagrafica::cmdAnnulla); });
    interaction.registerView(QStringLiteral("frmFisGiudice"),
                             [](form::Form&) { return makeDialog(&Ui::FrmFisGiudice::Command1); });
    interaction.registerView(QStringLiteral("frmInsertImpugnazione"),
                             [](form::Form&) { return makeDialog(&Ui::FrmInsertImpugnazione::cmdAnnulla); });
    interaction.registerView(QStringLiteral("frmCalcolaCU"),
                             [](form::Form&) { return makeDialog(&Ui::FrmCalcolaCU::cmdAnnulla); });
    interaction.registerView(QStringLiteral("dlgEstremiPagamento"),
                             [](form::Form&) { return makeDialog(&Ui::DlgEstremiPagamento::cmdChiudi); });
    interaction.registerView(QStringLiteral("dlgPratCollegate"),
                             [](form::Form&) { return makeDialog(&Ui::DlgPratCollegate::cmdChiudi); });
    interaction.registerView(QStringLiteral("dlgAvvocati"),
                             [](form::Form&) { return makeDialog(&Ui::DlgAvvocati::cmdEsc); });
    interaction.registerView(QStringLiteral("dlgTariffa"),
                             [](form::Form&) { return makeDialog(&Ui::DlgTariffa::cmdChiudi); });
    interaction.registerView(QStringLiteral("frmInfoAnagrafica"),
                             [](form::Form&) { return makeDialog(&Ui::FrmInfoAnagrafica::cmdChiudi); });
    interaction.registerView(QStringLiteral("dlgUffici"),
                             [](form::Form&) { return makeDialog(&Ui::DlgUffici::cmdAnnulla); });
    interaction.registerView(QStringLiteral("frmAggiungiAnag"),
                             [](form::Form&) { return makeDialog(&Ui::FrmAggiungiAnag::cmdAnnulla); });
    interaction.registerView(QStringLiteral("frmGestAR"),
                             [](form::Form&) { return makeDialog(&Ui::GestAR::cmdAnnulla); });
    interaction.registerView(QStringLiteral("frmFrazionata"),
                             [](form::Form&) { return makeDialog(&Ui::Frazionata::cmdAnnulla); });
    interaction.registerView(QStringLiteral("frmIdentificazioneAR"),
                             [](form::Form&) { return makeDialog(&Ui::IdentificazioneAR::cmdChiudi); });
}

}  // namespace tolmo::ui

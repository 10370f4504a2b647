#pragma once
// The Designer views of the modal forms a host shows through QtInteraction.

namespace tolmo::ui {

class QtInteraction;

/// Registers the views of the modal forms with `interaction`: the question dialog (dlgRichiedi),
/// the quick client form (frmNuovaAnagrafica), the judge's term (frmFisGiudice) and the appeal
/// deadline's agenda entries (frmInsertImpugnazione).
void registerDialogViews(QtInteraction& interaction);

}  // namespace tolmo::ui

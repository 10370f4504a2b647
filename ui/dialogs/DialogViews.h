#pragma once
// The Designer views of the modal forms a host shows through QtInteraction.

namespace tolmo::ui {

class QtInteraction;

/// Registers the views of the question dialog (dlgRichiedi) and of the quick client form
/// (frmNuovaAnagrafica) with `interaction`.
void registerDialogViews(QtInteraction& interaction);

}  // namespace tolmo::ui

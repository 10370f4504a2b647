#pragma once
// The view of "Apri archivio": its Designer form, and the file dialog behind "Sfoglia...".

namespace tolmo::ui {
class QtInteraction;
}

namespace tolmo::studio {

/// Registers the view of frmApriArchivio with `interaction`.
void registraApriArchivio(ui::QtInteraction& interaction);

}  // namespace tolmo::studio

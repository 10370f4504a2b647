#pragma once
// The subject, subject-code and state lists of the case form, filled from their
// catalogues each time they drop down.

#include "core/ComponentServices.h"
#include "core/PraticaForm.h"

namespace tolmo::core {

class CatalogueLists {
public:
    CatalogueLists(ComponentServices& services, PraticaForm& form);
    /// Wires DropDown and Choose of cmbOggetto, cmbCodOggetto and fpStatoPra.
    void attach();

    void RiempieOggetto();
    void RiempieCodiceOggetto();
    void RiempieStati();
    /// Shows or hides the injunction sum for a subject code ("010001", blanks ignored),
    /// narrowing the value field beside it.
    void regolaSommaIngiunta(const QString& codice);

private:
    ComponentServices& m_services;
    PraticaForm& m_form;
};

}  // namespace tolmo::core

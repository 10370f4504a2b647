#pragma once
// The classifier's twenty free fields: captions, kinds, layout and input rules.

#include "core/ComponentServices.h"
#include "core/PraticaForm.h"

namespace tolmo::extras {

/// Kind codes of a free field.
inline const QString kKindDate = QStringLiteral("1");
inline const QString kKindMoney = QStringLiteral("2");
inline const QString kKindNumber = QStringLiteral("3");
inline const QString kEmptyDateMask = QStringLiteral("__/__/____");

/// True when `text` (already trimmed) is acceptable for a field of `kind`: a date is empty, the
/// empty mask or a real dd/MM/yyyy day; money and numbers are empty or numeric (Italian or C form).
bool valoreValido(const QString& kind, const QString& text);

class FreeFields {
public:
    FreeFields(core::ComponentServices& services, core::PraticaForm& form);
    /// Wires KeyPress and LostFocus of the twenty txtCampo elements. Keys: dates take digits and
    /// "/", numbers digits, money digits, "," and "."; backspace always; text fields anything.
    /// Leaving a field trims it, or shows "Valore non valido per il campo." and keeps the focus.
    void attach();

    /// The trimmed Descrizione of a classifier, "" when there is none. Throws DbError.
    QString GetClassificatore(int id);
    /// Captions, kinds and layout of the free fields for classifier `id` (0: nothing happens).
    /// Throws DbError, for the caller's trap.
    void SelezionaClassificatore(int id);
    /// Every field visible, captions "CAMPO n", tab 6 shown, kinds and formats cleared.
    void RipristinaCampiLiberi();
    /// The kind code of element i (kept in the tag of txtCampo(i)).
    QString kind(int i) const;

private:
    core::ComponentServices& m_services;
    core::PraticaForm& m_form;
};

}  // namespace tolmo::extras

#pragma once
// The classifier's twenty free fields: captions, kinds, layout and input rules.

#include <array>
#include <memory>

#include "core/model/CaseSection.h"
#include "core/model/ComponentServices.h"
#include "core/model/PraticaForm.h"

namespace tolmo::extras {

/// Kind codes of a free field.
inline const QString kKindDate = QStringLiteral("1");
inline const QString kKindMoney = QStringLiteral("2");
inline const QString kKindNumber = QStringLiteral("3");
inline const QString kEmptyDateMask = QStringLiteral("__/__/____");

/// True when `text` (already trimmed) is acceptable for a field of `kind`: a date is empty, the
/// empty mask or a real day, typed in full or short ("1/2/2020", "1_/2_/2020" through the mask);
/// money and numbers are empty or numeric (Italian or C form).
bool valoreValido(const QString& kind, const QString& text);
/// The text a field keeps, trimmed: a date typed short is written in full ("01/02/2020").
QString valoreNormalizzato(const QString& kind, const QString& text);

/// The twenty free fields: 1-10 on the free-fields tab, 11-20 on the second one.
struct FreeFieldControls {
    explicit FreeFieldControls(form::Form& form);
    static constexpr int kCampiLiberi = 20;
    form::Form* f;
    core::Control fraCampiLiberi{f, QStringLiteral("fraCampiLiberi"), core::ControlKind::Frame};
    core::Control fraCampiLiberi2{f, QStringLiteral("fraCampiLiberi2"), core::ControlKind::Frame};
    /// lblCampo(i) and txtCampo(i), i from 0 to 19.
    std::array<core::Control*, kCampiLiberi> lblCampo{};
    std::array<core::Control*, kCampiLiberi> txtCampo{};

private:
    std::array<std::unique_ptr<core::Control>, 2 * kCampiLiberi> m_owned;
};

class FreeFields : public core::CaseSection {
public:
    static constexpr int kCampiLiberi = FreeFieldControls::kCampiLiberi;

    /// Registers the fields and wires KeyPress and LostFocus of the twenty txtCampo elements.
    /// Keys: dates take digits and "/", numbers digits, money digits, "," and "."; backspace
    /// always; text fields anything. Leaving a field trims it, or shows "Valore non valido per
    /// il campo." and keeps the focus.
    FreeFields(core::ComponentServices& services, core::PraticaForm& form);

    FreeFieldControls fields;

    /// The trimmed Descrizione of a classifier, "" when there is none. Throws DbError.
    QString GetClassificatore(int id);
    /// Captions, kinds and layout of the free fields for classifier `id` (0: nothing happens).
    /// Throws DbError, for the caller's trap.
    void SelezionaClassificatore(int id);
    /// Every field visible, captions "CAMPO n", tab 6 shown; the kinds and formats stay.
    void RipristinaCampiLiberi();
    /// The kind code of element i (kept in the tag of txtCampo(i)).
    QString kind(int i) const;
    /// The first free field whose text does not fit its kind, -1 when all do.
    int campoLiberoNonValido() const;

    void clear() override;
    void consult() override;
    void classifierChosen(const core::Classifier& classifier) override;
    void tabChanged(int tab, short editState) override;
    /// Sets the fields up for the case's classifier, then shows those in use.
    void show(core::ShowContext& ctx) override;
    std::optional<core::Refusal> validate() override;
    void writeRow(core::SaveContext& ctx) override;

private:
    void attach();
    /// Every field becomes a text field without format (no classifier, a cleared form).
    void azzeraTipi();

    core::ComponentServices& m_services;
    core::PraticaForm& m_form;
};

}  // namespace tolmo::extras

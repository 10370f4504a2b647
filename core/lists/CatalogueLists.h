#pragma once
// The subject, subject-code and state lists of the case form, filled from their
// catalogues each time they drop down (the catalogues are small: every row is listed).

#include "core/model/CaseSection.h"
#include "core/model/ComponentServices.h"
#include "core/model/PraticaForm.h"

namespace tolmo::core {

class CatalogueLists : public CaseSection {
public:
    /// Wires DropDown and Choose of cmbOggetto, cmbCodOggetto and fpStatoPra.
    CatalogueLists(ComponentServices& services, PraticaForm& form);

    void RiempieOggetto();
    void RiempieCodiceOggetto();
    void RiempieStati();
    /// Shows or hides the injunction sum for a subject code ("010001", blanks ignored),
    /// narrowing the value field beside it.
    void regolaSommaIngiunta(const QString& codice);
    /// The code list typed into or emptied: the injunction sum hidden and reset to 0.
    void codiceDigitato();

    /// The subject query for the text of cmbOggetto, restricted to the criminal subjects when
    /// `penale`; the typed text goes in quoted, as a LIKE pattern with its ESCAPE clause.
    static QString sqlOggetto(const QString& typed, bool penale);
    /// The subject-code query for the text of cmbCodOggetto (never a subject without a code).
    static QString sqlCodiceOggetto(const QString& typed);

    /// Subject and code emptied, the state "In corso", no injunction sum.
    void clear() override;
    void show(ShowContext& ctx) override;
    /// The subject, its code while the code list is shown, and the state when there is one.
    void writeRow(SaveContext& ctx) override;

private:
    void attach();
    /// Empties `list` and refills it with `columns` of `sql` on the read-only connection;
    /// errors are reported with `action` and leave the list empty.
    void riempie(form::ListControl& list, const QString& sql, const QStringList& columns,
                 const QString& action);

    ComponentServices& m_services;
    PraticaForm& m_form;
};

}  // namespace tolmo::core

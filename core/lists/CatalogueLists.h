#pragma once
// The subject, subject-code and state lists of the case form, filled from their
// catalogues each time they drop down (the catalogues are small: every row is listed).

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

    /// The subject query for the text of cmbOggetto, restricted to the criminal subjects when
    /// `penale`; the typed text goes in quoted, as a LIKE pattern with its ESCAPE clause.
    static QString sqlOggetto(const QString& typed, bool penale);
    /// The subject-code query for the text of cmbCodOggetto (never a subject without a code).
    static QString sqlCodiceOggetto(const QString& typed);

private:
    /// Empties `list` and refills it with `columns` of `sql` on the read-only connection;
    /// errors are reported with `action` and leave the list empty.
    void riempie(form::ListControl& list, const QString& sql, const QStringList& columns,
                 const QString& action);

    ComponentServices& m_services;
    PraticaForm& m_form;
};

}  // namespace tolmo::core

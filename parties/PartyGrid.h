#pragma once
// One grid of additional parties of a case (the further clients, or the further counterparties).
// Unlike the rest of the case form it writes to MultiIntesta at once: a row is added by its
// button, written back after every cell the person changes, removed by its button.

#include <QHash>
#include <QString>
#include <QVariant>
#include <functional>

#include "access/Recordset.h"
#include "core/model/ComponentServices.h"
#include "core/model/PraticaForm.h"

namespace tolmo::parties {

/// The grid's columns.
enum PartyGridColumn { kColCognome = 0, kColNome = 1, kColIdAna = 2, kColIdMulti = 3 };

/// What sets the clients' grid apart from the counterparties'.
struct PartyGridKind {
    bool cliente = true;
    QString categoria;  ///< of the register parties its drop-down lists
    QString parte;      ///< "il Cliente", "la Controparte": in the message of a case with no id
    QString azione;     ///< "Cliente", "Controparte": in the action texts of the error reports
};

class PartyGrid {
public:
    /// Wires the grid's Change and DropDown, the drop-down's Choose and the two buttons.
    PartyGrid(core::ComponentServices& services, PartyGridKind kind, core::Grid& grid,
              core::ListControl& drop, core::Control& piu, core::Control& meno);

    /// Rebuilds the grid from the case's rows on `conn` and puts it on its first row.
    void carica(const ConnectionPtr& conn, int caseId);
    /// Adds a placeholder row (party 1, empty names) to the case shown, reloads and goes to it.
    void aggiungi();
    /// Writes row `row` back to its MultiIntesta row.
    void aggiornaRiga(int row);
    /// Deletes the current row's MultiIntesta row and reloads.
    void rimuovi();
    /// Fills the drop-down with the register parties whose surname starts like the current row's.
    void caricaDrop();
    /// Copies drop-down row `dropRow` into the current grid row and writes it back.
    void scegli(int dropRow);
    /// The grid on its last row, first column, with the focus.
    void posizionaUltimaRiga();
    /// The grid on the first column of its first row.
    void posizionaPrimaRiga();

private:
    /// The party filter of the drop-down: the kind's category or none, not left (StatoPolis).
    QString filtroDrop() const;
    void ricarica();
    /// Changes MultiIntesta row `idMulti` (when it still exists) with `cambia`; false on failure
    /// or when the person, told another workstation changed the row, chose not to write it.
    bool scriviRiga(const QString& action, int idMulti, const std::function<void(Recordset&)>& cambia);
    QString azione(const QString& verbo) const { return verbo + QLatin1Char(' ') + m_kind.azione; }

    core::ComponentServices& m_services;
    PartyGridKind m_kind;
    core::Grid& m_grid;
    core::ListControl& m_drop;
    QHash<int, QVariant> m_versioni;  ///< each row's version as the grid shows it, by ID_Multi
};

}  // namespace tolmo::parties

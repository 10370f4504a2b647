#pragma once
// A section: one subsystem's part of the case form. It owns the controls of its fields
// (registered into the one case form under their names) and takes its steps of the case
// cycle; the component calls every section, in the order they were added, at each step.
//
// Failures: a section never traps an error while a case is saved or deleted, and never
// commits or rolls back. It throws; the save's transaction guard rolls back once and the
// component shows one report.

#include <QString>
#include <optional>

#include "access/Connection.h"
#include "access/Recordset.h"
#include "form/Interaction.h"

namespace tolmo::core {

/// The classifier of the case on screen; an id of 1 or less means none.
struct Classifier {
    int id = 1;
    bool penale = false;  ///< the classifier described 'PENALE'
};

/// A stored case being copied into the form (the filling flag is up meanwhile).
struct ShowContext {
    Recordset& row;  ///< the case row; a criminal case's row carries its criminal columns
    int caseId = 0;
    Classifier classifier;
    short editState = 1;  ///< 1 consultation, 2 modification (the row opened for update)
};

/// Why a save cannot go on. An empty text stops the save without a box (the person was
/// already asked, and said no).
struct Refusal {
    QString text;
    form::MsgIcon icon = form::MsgIcon::Information;
    bool setDummy = false;  ///< SetDummy follows the box
};

/// One save of a case, inside its transaction on ConnReadWrite.
struct SaveContext {
    SaveContext(ConnectionPtr c, Recordset& r) : conn(std::move(c)), row(r) {}
    ConnectionPtr conn;  ///< ConnReadWrite, its transaction open
    Recordset& row;      ///< the Pratica row being written
    bool nuova = false;
    Classifier classifier;
    int caseId = 0;    ///< 0 until the case row is written: save() and afterCommit() see the id
    QString autorita;  ///< the authority text RicalcoloParcella carries (criminal cases)
};

/// One deletion of a case, inside its transaction on ConnReadWrite.
struct DeleteContext {
    ConnectionPtr conn;  ///< ConnReadWrite, its transaction open
    int caseId = 0;
};

class CaseSection {
public:
    virtual ~CaseSection() = default;

    /// The component has its connections (Start): lists filled once.
    virtual void start() {}
    /// The component lets the case go (Terminate): remembered ids and tables dropped.
    virtual void release() {}
    /// Every field the section shows is emptied (ClearForm).
    virtual void clear() {}
    /// A new case begins, after the form was cleared and opened for the edit (NuovaPratica).
    virtual void newCase() {}
    /// The form opens for an edit: a new case, or the stored one for modification.
    virtual void beginEdit() {}
    /// The form returns to consultation (DisabilitaInput): nothing of the section is editable.
    virtual void consult() {}
    /// The person chose a classifier in the list.
    virtual void classifierChosen(const Classifier&) {}
    /// The person selected tab `tab` of SSTabPratica; `editState` 2 or 3 while editing.
    virtual void tabChanged(int /*tab*/, short /*editState*/) {}
    /// Copies the section's columns of a stored case into its fields.
    virtual void show(ShowContext&) {}
    /// After the case row was shown and closed (VisualizzaPratica): the section's own rows.
    virtual void showRelated(int /*caseId*/) {}
    /// Checks the form before anything is written; a refusal stops the save.
    virtual std::optional<Refusal> validate() { return std::nullopt; }
    /// Writes the section's columns of the case row, before the row is stored.
    virtual void writeRow(SaveContext&) {}
    /// Writes the section's own rows once the case row is stored (ctx.caseId is set).
    virtual void save(SaveContext&) {}
    /// After the commit: what is not the database's (folders on disk, the section's own state).
    virtual void afterCommit(const SaveContext&) {}
    /// Before the delete's transaction: a case the section keeps from deletion is refused.
    virtual std::optional<Refusal> refuseDeletion(int /*caseId*/) { return std::nullopt; }
    /// Deletes (or detaches) the section's rows of the case, inside the delete's transaction.
    virtual void remove(DeleteContext&) {}
    /// After the delete's commit, once the form was cleared.
    virtual void removed() {}
    /// An insertion was abandoned (Annulla): what the section kept for the case that was not
    /// saved is let go.
    virtual void insertionAbandoned() {}
};

}  // namespace tolmo::core

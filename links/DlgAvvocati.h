#pragma once
// dlgAvvocati ("Altri avvocati"): the firm's users not yet involved in a case and the lawyers
// involved, with the four moves between them. Every move is written at once to R_PraUte; while a
// case is being inserted its lawyers wait under case 0 until the save hands them its id.

#include "core/model/ComponentServices.h"
#include "form/Form.h"

namespace tolmo::links {

class DlgAvvocati : public form::Form {
public:
    explicit DlgAvvocati(core::ComponentServices& services);

    /// The case (0 during an insertion), the connection and the edit state; before showing.
    void SettaAltriAvvocati(int caseId, ConnectionPtr conn, short editState);
    /// Fills both grids and shows the dialog modally.
    void mostra();
    /// Fills both grids from R_PraUte and Utenti.
    void carica();

    /// Columns: id_utente, NomeUtente.
    form::Grid TDBGridAvv1{this, QStringLiteral("TDBGridAvv1"), 2};
    /// Columns: idpraute, the case, id_AvvSel, NomeAvv.
    form::Grid TDBGridAvvSel{this, QStringLiteral("TDBGridAvvSel"), 4};
    form::Control fraDisponibili{this, QStringLiteral("fraDisponibili"), form::ControlKind::Frame};
    form::Control fraCoinvolti{this, QStringLiteral("fraCoinvolti"), form::ControlKind::Frame};
    form::Control fraPulsanti{this, QStringLiteral("fraPulsanti"), form::ControlKind::Frame};
    form::Control cmdAdd{this, QStringLiteral("cmdAdd"), form::ControlKind::Button};
    form::Control cmdAllAdd{this, QStringLiteral("cmdAllAdd"), form::ControlKind::Button};
    form::Control cmdSott{this, QStringLiteral("cmdSott"), form::ControlKind::Button};
    form::Control cmdAllSott{this, QStringLiteral("cmdAllSott"), form::ControlKind::Button};
    form::Control cmdEsc{this, QStringLiteral("cmdEsc"), form::ControlKind::Button};

private:
    /// Adds the users of rows `from`..`to` of the available grid, in one transaction.
    void aggiungi(int from, int to);
    /// Deletes the rows `sql` selects, in one transaction.
    void togli(const QString& sql);

    core::ComponentServices& m_services;
    ConnectionPtr m_conn;
    int m_caseId = 0;
    short m_editState = 1;
};

/// AvvCoinvolti of case `idP`: its lawyers' names joined by "," in the order stored. Throws DbError.
void CreaTxtAvvCoinvolti(const ConnectionPtr& conn, int idP);
/// Hands the lawyers waiting under case 0 to case `idNew`, or deletes them when `bClear`.
/// Throws DbError.
void AggIdNew(const ConnectionPtr& conn, int idNew, bool bClear);

}  // namespace tolmo::links

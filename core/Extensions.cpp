// Where the subsystems that share the show/save cycle of a case plug in. Each place is called
// at its step of the cycle; the subsystems listed fill it as they are added.

#include "TolmoPratica.h"

namespace tolmo {

// Showing, confirming, cancelling and changing tab: a pending edit of the client or counterparty
// grid is committed into its array (additional parties).
void TolmoPratica::commitGridEdits() {}

// After the case row is shown, with "SELECT * FROM MultiIntesta WHERE ID_Pra = " open: the
// additional clients and counterparties go into their grids (additional parties), then the open
// deadlines and the accounting totals are loaded (accounting summary and agenda list).
void TolmoPratica::showCaseExtensions(int /*idPra*/, Recordset& /*multiIntesta*/) {}

// A criminal case shown in consultation: the phase and the fields of the criminal row
// (VisualizzaDatiPenale).
void TolmoPratica::fillCriminalFields(Recordset& /*rs*/) {}

// The last step of RiempeCampiAVideo: the involved subjects and their representatives.
void TolmoPratica::loadInvolvedSubjects(int /*idPra*/) {}

// ClearForm: the criminal fields are emptied (PulisciDatiPenale).
void TolmoPratica::clearCaseExtensions() {}

// NuovaPratica: the trial, appeal and cassation frames (fraDibatt, fraAppello, fraCassaz) are
// hidden, and the involved-subjects grid and its representatives drop-down are reset.
void TolmoPratica::newCaseExtensions() {}

// A classifier chosen in cmbClassificatore: the criminal side of the choice (authority list,
// court-fee section, criminal tab, phase, civil-only fields, header classification).
void TolmoPratica::classifierChosenExtensions(int /*idCla*/) {}

// Modifica of a given case: its document folder is remembered, so a change of position or
// parties can rename it after the save.
void TolmoPratica::rememberCaseFolder() {}

// Inside the save's transaction, after the Pratica row is written: the criminal row
// (SalvaDatiPenale, when the classifier is "PENALE"), the lawyers chosen during an insertion
// re-keyed and their names copied (AggIdNew, CreaTxtAvvCoinvolti), the involved subjects, and the
// staging row when the staging check asks for it.
void TolmoPratica::saveCaseExtensions(int /*idPra*/, bool /*nuova*/) {}

// After the save's commit: the case folder for the trimmed position is created, and pending
// window messages are processed.
void TolmoPratica::createCaseFolder(const QString& /*posizione*/) {}

// Annulla of an insertion whose header still holds provisional text: the lawyers chosen for the
// abandoned case are dropped (AggIdNew with 0 and true).
void TolmoPratica::abandonInsertionExtensions() {}

}  // namespace tolmo

#pragma once
// The type-ahead lists of the case form that look parties up in the register, the ids
// they remember for the save, and the shared look-up helpers.

#include "core/ComponentServices.h"
#include "core/PraticaForm.h"

#include <QString>
#include <QStringList>

namespace tolmo::parties {

/// The text as an SQL string literal: wrapped in apostrophes, inner apostrophes doubled.
QString ApiciSQL(const QString& text);
/// The reserved-visibility condition for a user and the groups it belongs to (may be empty).
QString FiltroRiservate(int userId, const QStringList& groups);
/// The pattern a type-ahead search uses: the trimmed text followed by "%", quoted.
QString searchPattern(const QString& typed);
/// Selects the row whose `column` equals `text` (method 0: exact match); no match keeps the selection.
void SelezionaInLista(int column, const QString& text, int method, form::ListControl& list);

/// The ids the party lists remember for the case on screen (0 or 1 mean none, as noted).
struct PartyChoices {
    int idAcp = 1;            ///< counterparty's lawyer; 1 = none or typed by hand
    QString nomeAcp;          ///< the lawyer's first name as chosen
    int idCorrispondente = 0; ///< correspondent; 0 or 1 = none or typed by hand
    QString nomeCorrispondente;
    int idFatturareA = 0;     ///< party to invoice; 0 = none
    int idProcacciatore = 0;  ///< procurer chosen in cmbProcacciatore; 0 = none
    int idIstruttore = 0;     ///< judge chosen in txtIstruttore; 0 = none
};

class PartyLookups {
public:
    PartyLookups(core::ComponentServices& services, core::PraticaForm& form);

    /// Wires the lists' DropDown, Choose, KeyPress and Change handlers.
    void attach();

    PartyChoices& choices() { return m_choices; }
    void reset() { m_choices = {}; }

    /// Fills cmbProcacciatore with every procurer (at start).
    void CaricaProcacciatori();
    /// The general party search into `list` (Cognome, Nome, ID_Ana), with the reserved-visibility filter.
    void CercaAnagrafica(form::ListControl& list);
    /// "Cognome,Nome" of a party, trimmed, or "" when there is no such party.
    QString NomeAnagrafica(int id);
    /// Surname and first name of a party, each trimmed; false when there is no such party.
    bool nomiAnagrafica(int id, QString* cognome, QString* nome);

private:
    core::ComponentServices& m_services;
    core::PraticaForm& m_form;
    PartyChoices m_choices;
};

}  // namespace tolmo::parties

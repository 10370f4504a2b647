#pragma once
// The type-ahead lists of the case form that look parties up in the register, the ids
// they remember for the save, and the shared look-up helpers (ApiciSQL, searchPattern and
// FiltroRiservate live in SqlText.h).

#include <QString>
#include <QStringList>

#include "core/ComponentServices.h"
#include "core/PraticaForm.h"
#include "parties/SqlText.h"

namespace tolmo::parties {

/// Selects the row whose `column` matches `text`: method 0 an exact match, any other method
/// the first row that starts with it (letter case ignored). No match keeps the selection.
void SelezionaInLista(int column, const QString& text, int method, form::ListControl& list);

/// The ids the party lists remember for the case on screen (0 or 1 mean none, as noted).
struct PartyChoices {
    int idAcp = 1;             ///< counterparty's lawyer; 1 = none or typed by hand
    QString nomeAcp;           ///< the lawyer's first name as chosen
    int idCorrispondente = 0;  ///< correspondent; 0 or 1 = none or typed by hand
    QString nomeCorrispondente;
    int idFatturareA = 0;  ///< party to invoice; 0 = none
    int idIstruttore = 0;  ///< judge chosen in txtIstruttore; 0 = none
    // The procurer is remembered by the component with the referent and the responsible user.
};

/// The SQL of a type-ahead list: base + (typed ? before + pattern + after : empty).
struct TypeAheadQuery {
    QString before, after, empty;
    /// The statement for the text of the field (typed when not empty before trimming).
    QString sql(const QString& fieldText) const;
};

class PartyLookups {
public:
    PartyLookups(core::ComponentServices& services, core::PraticaForm& form);

    /// Wires the lists' DropDown, Choose, KeyPress and Change handlers. Invalidations are
    /// skipped while the services say a stored case is being copied into the form.
    void attach();

    PartyChoices& choices() { return m_choices; }
    void reset() { m_choices = {}; }

    /// Fills cmbProcacciatore with every procurer (at start; again on each drop-down).
    void CaricaProcacciatori();
    /// The general party search into `list` (Cognome, Nome, ID_Ana), with the reserved-visibility
    /// filter of the current user. Errors are reported with "Ricerca Anagrafica".
    void CercaAnagrafica(form::ListControl& list);
    /// "Cognome,Nome" of a party, trimmed, or "" when there is no such party. Throws DbError.
    QString NomeAnagrafica(int id);
    /// Surname and first name of a party, each trimmed; false when there is no such party.
    /// Throws DbError.
    bool nomiAnagrafica(int id, QString* cognome, QString* nome);

    /// Rebuilds one of the type-ahead lists from the register (what its DropDown does).
    void riempieLegaleControparte();
    void riempieCorrispondente();
    void riempieFatturaA();
    void riempieIstruttore();

    /// The queries of the lists (base "SELECT ID_Ana,Cognome,Nome FROM Anagrafica").
    static const TypeAheadQuery& queryLegaleControparte();
    static const TypeAheadQuery& queryCorrispondente();
    static const TypeAheadQuery& queryFatturaA();
    static const TypeAheadQuery& queryIstruttore();
    static const TypeAheadQuery& queryProcacciatori();

private:
    /// Empties `list` and refills it from `query` under the busy pointer; errors go to `action`.
    void riempie(form::ListControl& list, const TypeAheadQuery& query, const QString& action);
    void attachChoices();
    void attachInvalidations();
    /// True while an invalidation must not touch the remembered ids.
    bool quiet() const { return m_choosing || m_services.filling(); }

    core::ComponentServices& m_services;
    core::PraticaForm& m_form;
    PartyChoices m_choices;
    bool m_choosing = false;  ///< set while a choice writes the fields it fills
};

}  // namespace tolmo::parties

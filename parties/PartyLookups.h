#pragma once
// The type-ahead lists of the case form that look parties up in the register (the judge, the
// counterparty's lawyer, the party to invoice, the correspondent), the ids they remember for
// the save, and the general party search.

#include <QString>
#include <QStringList>

#include "access/PagedQuery.h"
#include "core/model/CaseSection.h"
#include "core/model/ComponentServices.h"
#include "core/model/PraticaForm.h"

namespace tolmo::parties {

using core::Control;
using core::ControlKind;
using core::ListControl;

/// The ids the party lists remember for the case on screen (0 or 1 mean none, as noted).
struct PartyChoices {
    int idAcp = 1;             ///< counterparty's lawyer; 1 = none or typed by hand
    QString cognomeAcp;        ///< the lawyer's surname as chosen or shown
    QString nomeAcp;           ///< the lawyer's first name as chosen
    int idCorrispondente = 0;  ///< correspondent; 0 or 1 = none or typed by hand
    QString nomeCorrispondente;
    int idFatturareA = 0;  ///< party to invoice; 0 = none
    int idIstruttore = 0;  ///< judge chosen in txtIstruttore; 0 = none
};

/// A type-ahead list over the register: the parties `filter` admits (every party when empty),
/// and when the field holds text (even spaces) only the surnames that start with it.
struct TypeAheadQuery {
    QString filter;
    PagedQuery query(const QString& fieldText) const;
};

/// Empties `list` and refills it (Cognome, Nome, ID_Ana) from `query` for the text typed in it,
/// under the busy pointer, reading on as the person scrolls; errors are reported with `action`.
void riempieDaRegistro(core::ComponentServices& services, form::ListControl& list,
                       const TypeAheadQuery& query, const QString& action);

/// The general party search into `list` (Cognome, Nome, ID_Ana), with the reserved-visibility
/// filter of the current user. Errors are reported with "Ricerca Anagrafica".
void CercaAnagrafica(core::ComponentServices& services, form::ListControl& list);

/// Surname and first name of party `id` read on `conn`, each trimmed; false when there is no
/// such party. Throws DbError.
bool nomiAnagrafica(const ConnectionPtr& conn, int id, QString* cognome, QString* nome);

/// The fields of the parties the case names beside its header.
struct PartyFields {
    explicit PartyFields(form::Form& form) : f(&form) {}
    form::Form* f;
    ListControl cmbCognomeLegaleCP{f, QStringLiteral("cmbCognomeLegaleCP"), ControlKind::ComboBox, 3};
    Control txtNomeLegaleControparte{f, QStringLiteral("txtNomeLegaleControparte"), ControlKind::TextBox};
    Control cmdInfoAvvCp{f, QStringLiteral("cmdInfoAvvCp"), ControlKind::Button};
    ListControl cmbFatturaACognome{f, QStringLiteral("cmbFatturaACognome"), ControlKind::ComboBox, 3};
    Control lblNomeFatturareA{f, QStringLiteral("lblNomeFatturareA"), ControlKind::Label};
    Control cmdInfoFatt{f, QStringLiteral("cmdInfoFatt"), ControlKind::Button};
    Control frameCorrispondente{f, QStringLiteral("frameCorrispondente"), ControlKind::Frame};
    ListControl cmbCorrispondente{f, QStringLiteral("cmbCorrispondente"), ControlKind::ComboBox, 3};
    Control txtNomeCorrispondente{f, QStringLiteral("txtNomeCorrispondente"), ControlKind::TextBox};
    Control cmdInfoCorr{f, QStringLiteral("cmdInfoCorr"), ControlKind::Button};
};

class PartyLookups : public core::CaseSection {
public:
    /// Registers the fields and wires the lists' DropDown, Choose, KeyPress and Change
    /// handlers. Invalidations are skipped while a stored case is being copied into the form.
    PartyLookups(core::ComponentServices& services, core::PraticaForm& form);

    PartyFields fields;

    PartyChoices& choices() { return m_choices; }

    /// Surname and first name of a party, each trimmed; false when there is no such party.
    /// Throws DbError.
    bool nomiAnagrafica(int id, QString* cognome, QString* nome);
    /// "Cognome,Nome" of a party, trimmed, or "" when there is no such party. Throws DbError.
    QString NomeAnagrafica(int id);

    /// Rebuilds one of the type-ahead lists from the register (what its DropDown does).
    void riempieLegaleControparte();
    void riempieCorrispondente();
    void riempieFatturaA();
    void riempieIstruttore();

    /// The queries of the lists.
    static const TypeAheadQuery& queryLegaleControparte();
    static const TypeAheadQuery& queryCorrispondente();
    static const TypeAheadQuery& queryFatturaA();
    static const TypeAheadQuery& queryIstruttore();
    static const TypeAheadQuery& queryProcacciatori();

    // The case cycle.
    void release() override { m_choices = {}; }
    void clear() override;
    void newCase() override { m_choices = {}; }
    void beginEdit() override;
    void consult() override;
    void tabChanged(int tab, short editState) override;
    void show(core::ShowContext& ctx) override;
    std::optional<core::Refusal> validate() override;
    void writeRow(core::SaveContext& ctx) override;

private:
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

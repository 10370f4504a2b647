#pragma once
// The cards of the parties a case names: the information buttons beside the party fields, the
// parties of the header, and the quick insertion of a new party beside the involved-subject picker.

#include "InvolvedSubjects.h"
#include "PartyCard.h"
#include "PartyEditor.h"
#include "PartyLookups.h"

namespace tolmo::parties {

class PartyCards : public core::CaseSection {
public:
    PartyCards(core::ComponentServices& services, core::PraticaForm& form, PartyLookups& lookups,
               InvolvedSubjects& subjects);

    FrmInfoAnagrafica frmInfoAnagrafica;
    FrmAggiungiAnag frmAggiungiAnag;

    /// The card of party `id` with a mail about the case; nothing for 0.
    void mostra(int id);
    /// A party of the header: its card while the case is edited (or for the placeholder),
    /// else the party editor on it, and the header shows the stored names afterwards.
    void parteDellaTestata(int id);
    /// cmdaggiungiAnag: a new party stored on the spot and chosen in the subject picker.
    void aggiungiAnagrafica();

private:
    core::ComponentServices& m_services;
    core::PraticaForm& m_form;
    PartyLookups& m_lookups;
    InvolvedSubjects& m_subjects;
};

}  // namespace tolmo::parties

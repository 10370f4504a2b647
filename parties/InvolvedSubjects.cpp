#include "InvolvedSubjects.h"

#include "PartyLookups.h"

namespace tolmo::parties {

InvolvedSubjects::InvolvedSubjects(core::ComponentServices& services, core::PraticaForm& form)
    : fields(form), m_services(services) {}

void InvolvedSubjects::consult() {
    fields.fraSoggetti.setEnabled(false);
    fields.fraRappresentanti.setEnabled(false);
}

void InvolvedSubjects::tabChanged(int tab, short editState) {
    const bool editing = editState == 2 || editState == 3;
    if (tab == core::TabSoggetti) {
        fields.fraSoggetti.setEnabled(editing);
        fields.cmbSoggetto.clear();
        CercaAnagrafica(m_services, fields.cmbSoggetto);
    } else if (tab == core::TabRappresentanti) {
        fields.fraRappresentanti.setEnabled(editing);
    }
}

}  // namespace tolmo::parties

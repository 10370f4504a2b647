#include "MultiParties.h"

#include "core/model/Deletion.h"

namespace tolmo::parties {

MultiParties::MultiParties(core::ComponentServices&, core::PraticaForm& form) : fields(form) {
    MultiPartyFields& f = fields;
    f.GridClienti.setColumnCaptions(
        {QStringLiteral("Cognome"), QStringLiteral("Nome"), QStringLiteral("Id"), QStringLiteral("IdMulti")});
    f.GridControparti.setColumnCaptions(f.GridClienti.columnCaptions());
    f.DropClienti.setColumnCaptions(
        {QStringLiteral("Cognome"), QStringLiteral("Nome"), QStringLiteral("Id")});
    f.DropControparti.setColumnCaptions(f.DropClienti.columnCaptions());
    // The search grids drop down only when opened.
    f.DropClienti.setVisible(false);
    f.DropControparti.setVisible(false);
}

void MultiParties::start() {
    fields.DropClienti.resize(1);
    fields.DropControparti.resize(1);
}

void MultiParties::release() {
    for (core::Grid* g :
         {&fields.GridClienti, &fields.GridControparti, &fields.DropClienti, &fields.DropControparti})
        g->setTable({});
}

void MultiParties::clear() {
    fields.GridClienti.resize(0);
    fields.GridControparti.resize(0);
}

void MultiParties::consult() {
    enableButtons(false);
    lockGrids(true);
}

// Parties are added to a stored case only: a new one has no id to hang them on.
void MultiParties::tabChanged(int tab, short editState) {
    const bool open = tab == core::TabParti && editState == 2;
    enableButtons(open);
    lockGrids(!open);
}

void MultiParties::remove(core::DeleteContext& ctx) {
    core::eliminaRighe(ctx, QStringLiteral("SELECT * FROM MultiIntesta WHERE ID_Pra = "));
}

// A deleted case leaves one empty row of four columns in each grid.
void MultiParties::removed() {
    fields.GridClienti.resize(1);
    fields.GridControparti.resize(1);
}

void MultiParties::enableButtons(bool on) {
    for (core::Control* c :
         {&fields.cmdPiuCli, &fields.cmdPiuContro, &fields.cmdMenoCli, &fields.cmdMenoContro})
        c->setEnabled(on);
}

void MultiParties::lockGrids(bool locked) {
    fields.GridClienti.setLocked(locked);
    fields.GridControparti.setLocked(locked);
}

}  // namespace tolmo::parties

#include "MultiParties.h"

#include "core/model/Deletion.h"

namespace tolmo::parties {

MultiParties::MultiParties(core::ComponentServices& services, core::PraticaForm& form)
    : fields(form),
      m_services(services),
      m_clienti(services,
                {true, QStringLiteral("Cliente"), QStringLiteral("il Cliente"), QStringLiteral("Cliente")},
                fields.GridClienti, fields.DropClienti, fields.cmdPiuCli, fields.cmdMenoCli),
      m_controparti(services,
                    {false, QStringLiteral("Controparte"), QStringLiteral("la Controparte"),
                     QStringLiteral("Controparte")},
                    fields.GridControparti, fields.DropControparti, fields.cmdPiuContro,
                    fields.cmdMenoContro) {
    MultiPartyFields& f = fields;
    f.GridClienti.setColumnCaptions(
        {QStringLiteral("Cognome"), QStringLiteral("Nome"), QStringLiteral("Id"), QStringLiteral("IdMulti")});
    f.GridControparti.setColumnCaptions(f.GridClienti.columnCaptions());
    // The search grids drop down only when opened.
    f.DropClienti.setVisible(false);
    f.DropControparti.setVisible(false);
}

void MultiParties::start() {
    fields.DropClienti.clear();
    fields.DropControparti.clear();
}

void MultiParties::release() {
    fields.GridClienti.setTable({});
    fields.GridControparti.setTable({});
    fields.DropClienti.clear();
    fields.DropControparti.clear();
}

// Every filling of the form reads the case's rows: the grids write at once, and must never hold
// the rows of the case shown before. They are read where they are written, so the ids they
// write back are those of the firm's archive.
void MultiParties::show(core::ShowContext& ctx) {
    m_clienti.carica(m_services.connReadWrite(), ctx.caseId);
    m_controparti.carica(m_services.connReadWrite(), ctx.caseId);
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
    m_clienti.posizionaPrimaRiga();
    m_controparti.posizionaPrimaRiga();
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

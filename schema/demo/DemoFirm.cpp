// The demo firm: a small Roman law office with its users, catalogues, parties and cases.

#include "Rows.h"
#include "Steps.h"
#include "schema/Schema.h"

namespace tolmo::schema {

namespace demo {

void fillDemoFirm(Connection& c) {
    const Istat istat = Istat::load();
    fillFirm(c);
    fillCatalogues(c);
    fillSubjects(c);
    fillOffices(c, istat);
    fillParties(c, istat);
    fillCases(c, istat);
    fillCaseRows(c);
    fillAccounting(c);
    fillAml(c);
    syncIdentities(c);
}

}  // namespace demo

void createDemoFirm(Connection& c) {
    Transaction tx(c);
    demo::fillDemoFirm(c);
    tx.commit();
}

}  // namespace tolmo::schema

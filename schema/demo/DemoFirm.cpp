// The demo firm: a small Roman law office with its users, catalogues, parties and cases.

#include "Rows.h"
#include "Steps.h"
#include "schema/Schema.h"

namespace tolmo::schema {

namespace demo {

void fillDemoFirm(Connection& c, Scope scope) {
    const Istat istat = Istat::load();
    fillFirm(c, scope);
    fillCatalogues(c);
    fillSubjects(c);
    fillOffices(c, istat);
    fillParties(c, istat, scope);
    fillCases(c, istat, scope);
    if (scope == Scope::Demo) fillCaseRows(c);
    fillAccounting(c, scope);
    fillAml(c, scope);
    syncIdentities(c);
}

}  // namespace demo

void createDemoFirm(Connection& c) {
    Transaction tx(c);
    demo::fillDemoFirm(c);
    tx.commit();
}

}  // namespace tolmo::schema

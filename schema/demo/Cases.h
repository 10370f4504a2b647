#pragma once
// The cases of the demo firm, as their dependent rows refer to them.

#include <QString>

namespace tolmo::schema::demo {

struct CaseSummary {
    int cliente = 0;
    int contabilita = 0;  ///< the accounting owner
    QString parti;        ///< client and counterparty surnames joined by "\", as the agenda shows them
};

/// Client, accounting owner and parties of a demo case.
CaseSummary caseSummary(int id);

}  // namespace tolmo::schema::demo

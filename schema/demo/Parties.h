#pragma once
// The party register of the demo firm.

#include <QString>

namespace tolmo::schema::demo {

/// Surname (or company name) of a demo party, "" for an unknown id.
QString partySurname(int id);

}  // namespace tolmo::schema::demo

#pragma once
// The firm's users, as other parts of the demo firm refer to them.

#include <QString>

namespace tolmo::schema::demo {

/// NomeUtente of a demo user, "" for an unknown id.
QString userName(int id);
/// VAT number (Piva) of a demo user, "" when the user has none.
QString userPiva(int id);

}  // namespace tolmo::schema::demo

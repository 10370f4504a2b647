#pragma once
// Why a database could not be opened, told in one Italian sentence the person can act on.

#include <QString>

#include "access/DatabaseUrl.h"

namespace tolmo::detail {

/// The sentence for a driver's refusal `reason` to open `url`: a server that does not answer,
/// a database that is not there, a user the server does not accept, a file that is not a
/// database. A reason not recognised is quoted after "Impossibile aprire il database".
QString openFailureSentence(const DatabaseUrl& url, const QString& displayUrl, const QString& reason);

}  // namespace tolmo::detail

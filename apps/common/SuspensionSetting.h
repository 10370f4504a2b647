#pragma once
// The firm's summer suspension of judicial terms, which the criminal deadlines skip: set once
// for the whole archive (ConfigGenerale.SospensioneFeriale).

#include <QString>
#include <stdexcept>

#include "access/Connection.h"

namespace tolmo::hostkit {

/// A span that is not "gg/mm-gg/mm" within one year; its text is the Italian message.
struct SpanRefused : std::runtime_error {
    using std::runtime_error::runtime_error;
};

/// The span the firm set, as "01/08-15/09". Throws DbError.
QString leggiSospensione(Connection& conn);
/// Stores `text` ("01/08-31/08", spaces and single digits allowed) as the firm's span, written
/// the canonical way; throws SpanRefused for a text that is no span, DbError.
QString impostaSospensione(Connection& conn, const QString& text);

}  // namespace tolmo::hostkit

#include "DbError.h"
#include "Recordset.h"

namespace tolmo {

namespace {
[[noreturn]] void notOpen(const QString& operation) {
    throw DbError(QStringLiteral("Nessun record set aperto."), QStringLiteral("AccessoDati: ") + operation,
                  -1);
}
}  // namespace

AccessoDati::~AccessoDati() = default;

bool AccessoDati::Apri(ConnectionPtr conn, const QString& source, short lockType,
                       const QVariantList& params) {
    Chiudi();
    m_rs = std::make_unique<Recordset>(std::move(conn), source, lockType, params);
    return true;
}

void AccessoDati::Chiudi() {
    if (!m_rs) return;
    m_rs->Close();
    m_rs.reset();
}

QVariant AccessoDati::Campo(const QString& field) const { return recordset().value(field); }

void AccessoDati::setCampo(const QString& field, const QVariant& value) {
    recordset().setValue(field, value);
}

Recordset& AccessoDati::recordset() const {
    if (!m_rs) notOpen(QStringLiteral("recordset"));
    return *m_rs;
}

}  // namespace tolmo

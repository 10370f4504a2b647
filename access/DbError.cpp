#include "DbError.h"

namespace tolmo {

bool DbError::daRiprovare() const {
    // 40001 serialization_failure, 40P01 deadlock_detected; SQLITE_BUSY 5, SQLITE_LOCKED 6.
    return m_code == QLatin1String("40001") || m_code == QLatin1String("40P01") ||
           (m_source.startsWith(QLatin1String("QSQLITE")) &&
            (m_code == QLatin1String("5") || m_code == QLatin1String("6")));
}

}  // namespace tolmo

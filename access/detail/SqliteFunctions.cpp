#include "detail/SqliteFunctions.h"

#include <sqlite3.h>

#include <QSqlDriver>
#include <QVariant>

namespace tolmo::detail {

namespace {

void changeCase(sqlite3_context* context, int, sqlite3_value** args) {
    if (sqlite3_value_type(args[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const auto* bytes = reinterpret_cast<const char*>(sqlite3_value_text(args[0]));
    const QString text = QString::fromUtf8(bytes, sqlite3_value_bytes(args[0]));
    const bool upper = sqlite3_user_data(context) != nullptr;
    const QByteArray changed = (upper ? text.toUpper() : text.toLower()).toUtf8();
    sqlite3_result_text(context, changed.constData(), static_cast<int>(changed.size()), SQLITE_TRANSIENT);
}

// The user-data pointer only tells the two functions apart.
int kUpperTag = 1;

}  // namespace

bool registerUnicodeCaseFunctions(QSqlDatabase& db) {
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0) return false;
    auto* sqlite = *static_cast<sqlite3* const*>(handle.constData());
    if (!sqlite) return false;
    constexpr int kFlags = SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS;
    const int upper = sqlite3_create_function_v2(sqlite, "UPPER", 1, kFlags, &kUpperTag, changeCase, nullptr,
                                                 nullptr, nullptr);
    const int lower = sqlite3_create_function_v2(sqlite, "LOWER", 1, kFlags, nullptr, changeCase, nullptr,
                                                 nullptr, nullptr);
    return upper == SQLITE_OK && lower == SQLITE_OK;
}

QVariant keepLeadingByteOrderMark(const QVariant& value) {
    if (value.typeId() != QMetaType::QString) return value;
    const QString text = value.toString();
    if (text.isEmpty() || (text.front() != QChar(0xFEFF) && text.front() != QChar(0xFFFE))) return value;
    return QString(QChar(0xFEFF) + text);
}

}  // namespace tolmo::detail

#include "detail/FieldValue.h"

#include <QDate>
#include <QDateTime>
#include <cmath>

#include "Currency.h"
#include "DbError.h"

namespace tolmo::detail {

namespace {

/// Rounds to four decimals where a Currency can hold the value; larger magnitudes pass unchanged.
double roundToFourDecimals(double value) {
    constexpr double kLimit = 9.0e14;
    if (!std::isfinite(value) || std::fabs(value) >= kLimit) return value;
    return Currency::fromDouble(value).toDouble();
}

bool isText(const QVariant& value) {
    return value.typeId() == QMetaType::QString || value.typeId() == QMetaType::QByteArray;
}

[[noreturn]] void refuse(const QVariant& value, const QString& column) {
    throw DbError(QStringLiteral("Valore «%1» non valido per il campo «%2».").arg(value.toString(), column),
                  QStringLiteral("Recordset: setValue"), -1);
}

}  // namespace

QDate toDate(const QVariant& value) {
    switch (value.typeId()) {
        case QMetaType::QDate:
            return value.toDate();
        case QMetaType::QDateTime:
            return value.toDateTime().date();
        default:
            break;
    }
    const QString text = value.toString().trimmed();
    const QDate date = QDate::fromString(text.left(10), Qt::ISODate);
    if (text.size() == 10 || !date.isValid()) return date;
    QString stamp = text;
    stamp[10] = u'T';  // SQLite writes "yyyy-MM-dd HH:mm:ss"
    return QDateTime::fromString(stamp, Qt::ISODate).isValid() ? date : QDate();
}

QVariant readValue(const QVariant& raw, const FieldKind& field) {
    if (raw.isNull() || !raw.isValid()) return {};
    if (!field.kind) {
        const bool isDouble = raw.typeId() == QMetaType::Double || raw.typeId() == QMetaType::Float;
        if (isDouble || (field.driverReportsDouble && isText(raw)))
            return roundToFourDecimals(raw.toDouble());
        return raw;
    }
    switch (*field.kind) {
        case ColumnKind::Integer:
            return raw.typeId() == QMetaType::Int || raw.typeId() == QMetaType::LongLong
                       ? raw
                       : QVariant(raw.toLongLong());
        case ColumnKind::Boolean:
            return raw.toBool();
        case ColumnKind::Amount:
            return Currency::fromVariant(raw).toDouble();
        case ColumnKind::Real:
            return raw.toDouble();
        case ColumnKind::Date: {
            const QDate date = toDate(raw);
            return date.isValid() ? QVariant(date) : raw;
        }
        case ColumnKind::Text:
            break;
    }
    return raw;
}

QVariant bindValue(const QVariant& value, ColumnKind kind, Dialect dialect, const QString& column) {
    if (value.isNull() || !value.isValid()) return {};
    const bool sqlite = dialect == Dialect::SQLite;
    switch (kind) {
        case ColumnKind::Integer: {
            bool ok = false;
            const qlonglong number = value.toLongLong(&ok);
            if (!ok) refuse(value, column);
            return number;
        }
        case ColumnKind::Boolean: {
            const bool flag = value.toBool();
            return sqlite ? QVariant(flag ? 1 : 0) : QVariant(flag);
        }
        case ColumnKind::Amount: {
            if (isText(value) && !Currency::parse(value.toString())) refuse(value, column);
            const Currency amount = Currency::fromVariant(value);
            return sqlite ? QVariant(amount.toDouble()) : QVariant(amount.toSqlText());
        }
        case ColumnKind::Real: {
            bool ok = false;
            const double number = value.toDouble(&ok);
            if (!ok) refuse(value, column);
            return number;
        }
        case ColumnKind::Date: {
            if (value.typeId() == QMetaType::QDateTime)
                return sqlite ? QVariant(value.toDateTime().toString(Qt::ISODate)) : value;
            const QDate date = toDate(value);
            if (!date.isValid()) refuse(value, column);
            return sqlite ? QVariant(date.toString(Qt::ISODate)) : QVariant(date);
        }
        case ColumnKind::Text:
            break;
    }
    return isText(value) ? value : QVariant(value.toString());
}

}  // namespace tolmo::detail

#pragma once
// Conversions between JSON and the component's values, and calls by name.

#include "core/TolmoPratica.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QMetaMethod>
#include <QMetaType>
#include <QVariant>

namespace tolmo::host {

/// Converts a JSON argument to the type a method expects (int, short, bool, double,
/// QString, Currency from a number or from text such as "1936,27"). False when it cannot.
bool fromJson(const QJsonValue& value, QMetaType type, QVariant* out);
/// Null, booleans, numbers, texts; dates as "dd/MM/yyyy"; amounts as numbers.
QJsonValue toJson(const QVariant& value);
/// Invokes `method` on `target` with `args` already of the parameter types.
bool invoke(QObject& target, const QMetaMethod& method, QVariantList& args, QVariant* result);
/// Adds to a case-form dump what plain controls do not carry: the money fields' currency,
/// rate and decimals, and the header's ids and mode.
void addCaseFormExtras(TolmoPratica& component, QJsonObject* controls);

}  // namespace tolmo::host

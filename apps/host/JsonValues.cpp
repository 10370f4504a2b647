#include "JsonValues.h"

#include <QDate>
#include <QJsonObject>
#include <array>

namespace tolmo::host {

bool fromJson(const QJsonValue& value, QMetaType type, QVariant* out) {
    switch (type.id()) {
        case QMetaType::Int:
        case QMetaType::Short:
        case QMetaType::Long:
        case QMetaType::LongLong:
            if (value.isDouble()) {
                *out = QVariant(value.toDouble());
            } else if (value.isString()) {
                bool ok = false;
                const qlonglong n = value.toString().trimmed().toLongLong(&ok);
                if (!ok) return false;
                *out = QVariant(n);
            } else if (value.isBool()) {
                *out = QVariant(value.toBool() ? -1 : 0);
            } else {
                return false;
            }
            return out->convert(type);
        case QMetaType::Bool:
            if (value.isBool()) *out = value.toBool();
            else if (value.isDouble()) *out = value.toDouble() != 0;
            else if (value.isString()) *out = value.toString().compare(QStringLiteral("true"), Qt::CaseInsensitive) == 0;
            else return false;
            return true;
        case QMetaType::Double:
            if (!value.isDouble()) return false;
            *out = value.toDouble();
            return true;
        case QMetaType::QString:
            if (value.isString()) *out = value.toString();
            else if (value.isDouble()) *out = QString::number(value.toDouble());
            else if (value.isBool()) *out = value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
            else if (value.isNull()) *out = QString();
            else return false;
            return true;
        case QMetaType::QVariant:
            *out = value.toVariant();
            return true;
        default:
            break;
    }
    if (type == QMetaType::fromType<Currency>()) {
        if (value.isDouble()) {
            *out = QVariant::fromValue(Currency::fromDouble(value.toDouble()));
            return true;
        }
        if (value.isString()) {
            const auto c = Currency::parse(value.toString());
            if (!c) return false;
            *out = QVariant::fromValue(*c);
            return true;
        }
    }
    return false;
}

QJsonValue toJson(const QVariant& value) {
    if (value.metaType().id() == QMetaType::QVariant) return toJson(value.value<QVariant>());
    if (!value.isValid() || value.isNull()) return QJsonValue::Null;
    switch (value.metaType().id()) {
        case QMetaType::Bool:
            return value.toBool();
        case QMetaType::Int:
        case QMetaType::Short:
        case QMetaType::Long:
        case QMetaType::LongLong:
        case QMetaType::UInt:
        case QMetaType::ULongLong:
            return value.toLongLong();
        case QMetaType::Double:
        case QMetaType::Float:
            return value.toDouble();
        case QMetaType::QDate:
            return value.toDate().toString(QStringLiteral("dd/MM/yyyy"));
        case QMetaType::QVariantMap: {
            QJsonObject object;
            const QVariantMap map = value.toMap();
            for (auto it = map.cbegin(); it != map.cend(); ++it) object.insert(it.key(), toJson(it.value()));
            return object;
        }
        default:
            break;
    }
    if (value.metaType() == QMetaType::fromType<Currency>()) return value.value<Currency>().toDouble();
    return value.toString();
}

bool invoke(QObject& target, const QMetaMethod& method, QVariantList& args, QVariant* result) {
    // The type names must outlive the call: QGenericArgument keeps only the pointer.
    std::array<QByteArray, 10> types;
    std::array<QGenericArgument, 10> a{};
    for (int i = 0; i < args.size() && i < 10; ++i) {
        types[i] = method.parameterTypeName(i);
        a[i] = QGenericArgument(types[i].constData(), args[i].data());
    }
    if (!result->isValid())
        return method.invoke(&target, Qt::DirectConnection, a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7], a[8], a[9]);
    QGenericReturnArgument ret(method.typeName(), result->data());
    return method.invoke(&target, Qt::DirectConnection, ret, a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7], a[8], a[9]);
}

void addCaseFormExtras(TolmoPratica& component, QJsonObject* controls) {
    core::PraticaForm& f = component.form();
    for (core::MoneyField* m : {&f.TEDDenaroValore, &f.TedDenaroSommaIng}) {
        QJsonObject state = controls->value(m->name()).toObject();
        state.insert(QStringLiteral("money"), m->moneyState());
        controls->insert(m->name(), state);
    }
    core::CaseHeader& h = component.header();
    QJsonObject header = controls->value(f.ctlTestata1.name()).toObject();
    header.insert(QStringLiteral("header"),
                  QJsonObject{{QStringLiteral("idCliente"), h.idCliente()},
                              {QStringLiteral("idControparte"), h.idControparte()},
                              {QStringLiteral("posizione"), h.posizione()},
                              {QStringLiteral("numeroRegGenerale"), h.numeroRegGenerale()},
                              {QStringLiteral("penale"), h.isPenale()},
                              {QStringLiteral("mode"), static_cast<int>(h.mode())},
                              {QStringLiteral("caseId"), h.caseId()}});
    controls->insert(f.ctlTestata1.name(), header);
}

}  // namespace tolmo::host

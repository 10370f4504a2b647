#include "ui/binder/DisplayFormat.h"

#include <QLocale>
#include <cmath>
#include <optional>

namespace tolmo::ui {

namespace {

const QString kEuro = QStringLiteral("€ #,##0.00;(€ #,##0.00)");

// A number typed the Italian or the C way, an euro sign aside.
std::optional<double> numero(const QString& text) {
    const QString s = QString(text).remove(QChar(0x20AC)).remove(u'(').remove(u')').trimmed();
    if (s.isEmpty()) return std::nullopt;
    bool ok = false;
    double v = QLocale(QLocale::Italian).toDouble(s, &ok);
    if (!ok) v = QLocale::c().toDouble(s, &ok);
    if (!ok) return std::nullopt;
    return text.contains(u'(') ? -std::abs(v) : v;
}

}  // namespace

QString formatoVisibile(const QString& format, const QString& text) {
    const std::optional<double> v = numero(text);
    constexpr double kPiuGrande = 1e15;  // beyond it an amount is shown as typed
    if (!v || std::abs(*v) > kPiuGrande) return text;
    const QLocale italian(QLocale::Italian);
    if (format == kEuro) {
        const QString amount = QStringLiteral("€ ") + italian.toString(std::abs(*v), 'f', 2);
        return *v < 0 ? u'(' + amount + u')' : amount;
    }
    if (format == QStringLiteral("0")) {
        QLocale plain = italian;
        plain.setNumberOptions(QLocale::OmitGroupSeparator);
        return plain.toString(static_cast<qlonglong>(std::llround(*v)));
    }
    return text;
}

QString mascheraQt(const QString& mask) {
    if (mask.isEmpty()) return {};
    static const QString kMeta = QStringLiteral("AaNnXx90Dd#HhBb><![]{}\\");
    QString qt;
    for (const QChar c : mask) {
        if (c == u'#') {
            qt += u'0';
        } else {
            if (kMeta.contains(c)) qt += u'\\';
            qt += c;
        }
    }
    return qt + QStringLiteral(";_");
}

}  // namespace tolmo::ui

#include "DateField.h"

#include <QDate>
#include <algorithm>

namespace tolmo::core {

QString dataNormalizzata(const QString& text) {
    const QString t = text.trimmed();
    const QString compatto = QString(t).remove(u'_');  // the mask's blanks only
    const QDate giorno = QDate::fromString(compatto, QStringLiteral("d/M/yyyy"));
    return giorno.isValid() ? giorno.toString(QStringLiteral("dd/MM/yyyy")) : t;
}

bool dataVuota(const QString& text) {
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return c == u'_' || c == u'/' || c.isSpace(); });
}

QDate dataDelCampo(const QString& text) {
    if (dataVuota(text)) return {};
    return QDate::fromString(dataNormalizzata(text), QStringLiteral("dd/MM/yyyy"));
}

void comeData(form::Control& campo) {
    campo.setFormat(QStringLiteral("ddddd"), QStringLiteral("##/##/####"));
    campo.on(form::EventKind::LostFocus, [&campo](form::ControlEvent&) {
        const QString full = dataVuota(campo.text()) ? QString() : dataNormalizzata(campo.text());
        if (full != campo.text()) campo.setText(full);
    });
}

}  // namespace tolmo::core

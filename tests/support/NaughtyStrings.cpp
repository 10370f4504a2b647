#include "NaughtyStrings.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

namespace tolmo::test {

QStringList allNaughtyStrings() {
    QFile file(QStringLiteral(TOLMO_DATA_DIR "/naughty-strings.json"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    QStringList strings;
    for (const QJsonValue& value : QJsonDocument::fromJson(file.readAll()).array())
        strings.append(value.toString());
    return strings;
}

QStringList naughtyStrings(bool sqlite) {
    QStringList strings;
    for (const QString& text : allNaughtyStrings()) {
        const bool lost = text.contains(QChar(0)) || (sqlite && text.contains(QChar(0xFFFE)));
        if (!lost && !strings.contains(text)) strings.append(text);
    }
    return strings;
}

}  // namespace tolmo::test

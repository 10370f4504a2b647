// Source of the data: ISTAT municipality archive, CC BY 3.0 IT (see data/README.md).

#include "Istat.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>

#include "access/DbError.h"

namespace tolmo::schema::demo {

namespace {

const QString kResource = QStringLiteral(":/tolmo/data/istat-comuni.json");
const QString kSource = QStringLiteral("tolmo_schema: archivio comuni ISTAT");

Comune fromJson(const QJsonObject& o) {
    const QJsonObject regione = o.value(QLatin1String("regione")).toObject();
    const QJsonObject provincia = o.value(QLatin1String("provincia")).toObject();
    Comune c;
    c.nome = o.value(QLatin1String("nome")).toString();
    c.codice = o.value(QLatin1String("codice")).toString();
    c.codiceRegione = regione.value(QLatin1String("codice")).toString().toInt();
    c.regione = regione.value(QLatin1String("nome")).toString();
    c.provincia = provincia.value(QLatin1String("nome")).toString();
    c.codiceProvincia = provincia.value(QLatin1String("codice")).toString();
    c.sigla = o.value(QLatin1String("sigla")).toString();
    c.codiceCatastale = o.value(QLatin1String("codiceCatastale")).toString();
    c.popolazione = o.value(QLatin1String("popolazione")).toInt();
    return c;
}

}  // namespace

Istat Istat::load() {
    QFile file(kResource);
    if (!file.open(QIODevice::ReadOnly))
        throw DbError(QStringLiteral("Impossibile leggere l'archivio dei comuni italiani."), kSource, -1);
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError || !doc.isArray())
        throw DbError(
            QStringLiteral("L'archivio dei comuni italiani è illeggibile: %1.").arg(error.errorString()),
            kSource, -1);
    Istat istat;
    const QJsonArray rows = doc.array();
    istat.m_comuni.reserve(rows.size());
    for (const QJsonValue& v : rows) istat.m_comuni << fromJson(v.toObject());
    return istat;
}

const Comune& Istat::comune(const QString& nome) const {
    const Comune* found = nullptr;
    for (const Comune& c : m_comuni) {
        if (c.nome != nome) continue;
        if (found)
            throw DbError(
                QStringLiteral("Il comune %1 è ambiguo nell'archivio dei comuni italiani.").arg(nome),
                kSource, -1);
        found = &c;
    }
    if (!found)
        throw DbError(QStringLiteral("Il comune %1 non è nell'archivio dei comuni italiani.").arg(nome),
                      kSource, -1);
    return *found;
}

QList<Comune> Istat::capoluoghi() const {
    QMap<QString, const Comune*> best;  // by province code
    QStringList order;
    for (const Comune& c : m_comuni) {
        const Comune*& chosen = best[c.codiceProvincia];
        if (!chosen) order << c.codiceProvincia;
        const bool namesake = c.nome == c.provincia;
        const bool chosenNamesake = chosen && chosen->nome == chosen->provincia;
        if (!chosen || (namesake && !chosenNamesake) ||
            (namesake == chosenNamesake && c.popolazione > chosen->popolazione))
            chosen = &c;
    }
    QList<Comune> result;
    for (const QString& code : order) result << *best.value(code);
    return result;
}

QList<QPair<int, QString>> Istat::regioni() const {
    QMap<int, QString> byCode;
    for (const Comune& c : m_comuni) byCode.insert(c.codiceRegione, c.regione);
    QList<QPair<int, QString>> result;
    for (auto it = byCode.cbegin(); it != byCode.cend(); ++it) result << qMakePair(it.key(), it.value());
    return result;
}

}  // namespace tolmo::schema::demo

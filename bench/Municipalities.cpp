// Municipality archive from ISTAT (Istituto Nazionale di Statistica), licensed CC BY 3.0 IT,
// reshaped to JSON in data/istat-comuni.json.

#include "Municipalities.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <stdexcept>

namespace tolmo::bench {

namespace {

/// Not the real postcode of the town (ISTAT does not publish it): a five-digit code that stays
/// the same for the same municipality.
QString postcodeFor(const QString& istatCode) {
    return QStringLiteral("%1").arg(istatCode.toInt() % 100000, 5, 10, QLatin1Char('0'));
}

}  // namespace

Municipalities::Municipalities(const QString& jsonPath) {
    QFile file(jsonPath);
    if (!file.open(QIODevice::ReadOnly)) throw std::runtime_error("cannot read " + jsonPath.toStdString());
    const QJsonArray all = QJsonDocument::fromJson(file.readAll()).array();
    qint64 total = 0;
    for (const QJsonValue& v : all) {
        const QJsonObject o = v.toObject();
        const qint64 population = std::max<qint64>(1, o.value(QLatin1String("popolazione")).toInteger());
        m_items.append(
            {o.value(QLatin1String("nome")).toString(), o.value(QLatin1String("sigla")).toString(),
             o.value(QLatin1String("provincia")).toObject().value(QLatin1String("codice")).toString(),
             o.value(QLatin1String("codiceCatastale")).toString(),
             postcodeFor(o.value(QLatin1String("codice")).toString())});
        total += population;
        m_cumulativePopulation.append(total);
    }
    if (m_items.isEmpty()) throw std::runtime_error("no municipality in " + jsonPath.toStdString());
}

const Municipalities& Municipalities::shipped() {
    static const Municipalities archive(QStringLiteral(TOLMO_DATA_DIR "/istat-comuni.json"));
    return archive;
}

const Municipality& Municipalities::pick(Prng& rng) const {
    const qint64 total = m_cumulativePopulation.back();
    const qint64 target = static_cast<qint64>(rng.next() % static_cast<std::uint64_t>(total));
    const auto it = std::upper_bound(m_cumulativePopulation.begin(), m_cumulativePopulation.end(), target);
    return m_items[static_cast<int>(it - m_cumulativePopulation.begin())];
}

}  // namespace tolmo::bench

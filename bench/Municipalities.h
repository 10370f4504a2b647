#pragma once
// The Italian municipalities, picked with the weight of their population so that a generated
// register has as many Romans and Milanese as a real one.

#include <QList>
#include <QString>

#include "Prng.h"

namespace tolmo::bench {

struct Municipality {
    QString name;
    QString province;       ///< the car-plate abbreviation: "RM", "MI"
    QString provinceCode;   ///< three digits: "058"
    QString cadastralCode;  ///< the four characters a tax code carries for the birthplace
    QString postcode;       ///< five digits, the same for the same town (not its real CAP)
};

class Municipalities {
public:
    /// Reads the ISTAT archive at `jsonPath`. Throws std::runtime_error when it cannot.
    explicit Municipalities(const QString& jsonPath);
    /// The archive shipped with the project.
    static const Municipalities& shipped();

    const Municipality& pick(Prng& rng) const;
    int size() const { return static_cast<int>(m_items.size()); }

private:
    QList<Municipality> m_items;
    QList<qint64> m_cumulativePopulation;
};

}  // namespace tolmo::bench

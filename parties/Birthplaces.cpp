#include "Birthplaces.h"

#include <QHash>

#include "access/DbError.h"
#include "schema/demo/Istat.h"

namespace tolmo::parties {

namespace {

const QHash<QString, QString>& comuni() {
    static const QHash<QString, QString> perCodice = [] {
        QHash<QString, QString> h;
        try {
            const schema::demo::Istat istat = schema::demo::Istat::load();
            for (const schema::demo::Comune& c : istat.comuni())
                h.insert(c.codiceCatastale.toUpper(), c.nome);
        } catch (const DbError&) {
            // No archive: birthplaces are neither named nor refused.
        }
        return h;
    }();
    return perCodice;
}

}  // namespace

QString comuneDelCodice(const QString& codice) { return comuni().value(codice.toUpper()); }

std::function<bool(const QString&)> luogoNoto() {
    if (comuni().isEmpty()) return {};
    return [](const QString& codice) { return comuni().contains(codice.toUpper()); };
}

}  // namespace tolmo::parties

// The national catalogue of offices. Regions and sites are every municipality of the ISTAT
// archive (CC BY 3.0 IT); the seats of the judicial and tax offices are read from
// data/uffici.json. An office's code is its kind followed by its site's ISTAT code.

#include "Offices.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

#include "BatchInsert.h"
#include "Rows.h"
#include "Steps.h"

namespace tolmo::schema::demo {

namespace {

const QString kResource = QStringLiteral(":/tolmo/data/uffici.json");
const QString kSource = QStringLiteral("tolmo_schema: catalogo degli uffici");

/// One kind of office and the towns that seat one.
struct OfficeKind {
    QString sigla;
    QString descrizione;
    QList<Comune> sedi;
};

struct Catalogue {
    QList<OfficeKind> giudiziari;
    QList<OfficeKind> tributari;
};

QList<Comune> seats(const Istat& istat, const QJsonValue& sedi, const QList<OfficeKind>& before,
                    const QJsonObject& kind) {
    if (kind.contains(QLatin1String("come"))) {
        const QString other = kind.value(QLatin1String("come")).toString();
        for (const OfficeKind& k : before)
            if (k.sigla == other) return k.sedi;
        throw DbError(QStringLiteral("Sigla di ufficio sconosciuta nel catalogo: %1.").arg(other), kSource,
                      -1);
    }
    if (sedi.toString() == QLatin1String("capoluoghi")) {
        return istat.capoluoghi();
    }
    QList<Comune> result;
    for (const QJsonValue& v : sedi.toArray()) result.append(istat.comune(v.toString()));
    return result;
}

QList<OfficeKind> kinds(const Istat& istat, const QJsonArray& list) {
    QList<OfficeKind> result;
    for (const QJsonValue& v : list) {
        const QJsonObject o = v.toObject();
        OfficeKind k{
            o.value(QLatin1String("sigla")).toString(), o.value(QLatin1String("descrizione")).toString(), {}};
        k.sedi = seats(istat, o.value(QLatin1String("sedi")), result, o);
        result.append(k);
    }
    return result;
}

const Catalogue& catalogue(const Istat& istat) {
    static const Catalogue loaded = [&] {
        QFile file(kResource);
        if (!file.open(QIODevice::ReadOnly))
            throw DbError(QStringLiteral("Impossibile leggere il catalogo degli uffici."), kSource, -1);
        QJsonParseError error;
        const QJsonObject doc = QJsonDocument::fromJson(file.readAll(), &error).object();
        if (error.error != QJsonParseError::NoError)
            throw DbError(
                QStringLiteral("Il catalogo degli uffici è illeggibile: %1.").arg(error.errorString()),
                kSource, -1);
        return Catalogue{kinds(istat, doc.value(QLatin1String("giudiziari")).toArray()),
                         kinds(istat, doc.value(QLatin1String("tributari")).toArray())};
    }();
    return loaded;
}

QString code(const QString& sigla, const Comune& town) { return sigla + town.codice; }

void fillOfficeTable(Connection& c, const QString& table, const QString& siteColumn,
                     const QList<OfficeKind>& kinds) {
    BatchInsert w(c, table, {"Codice", "Descrizione", siteColumn});
    for (const OfficeKind& k : kinds)
        for (const Comune& town : k.sedi) w.add({code(k.sigla, town), k.descrizione, town.codice.toInt()});
    w.flush();
}

}  // namespace

OfficeChoice judicialOffice(const Istat& istat, const QString& kind, const QString& site) {
    const Comune& town = istat.comune(site);
    for (const OfficeKind& k : catalogue(istat).giudiziari) {
        const bool seated = std::any_of(k.sedi.cbegin(), k.sedi.cend(),
                                        [&](const Comune& c) { return c.codice == town.codice; });
        if (kind != k.sigla || !seated) continue;
        // The picker names a regional office after its region, any other after its town.
        const QString shown = k.descrizione.endsWith(QLatin1String("REGIONALE"))
                                  ? k.descrizione + QLatin1Char(' ') + town.regione + QStringLiteral(" (") +
                                        town.nome + QLatin1Char(')')
                                  : k.descrizione + QStringLiteral(" di ") + town.nome;
        return {code(k.sigla, town), shown.toUpper()};
    }
    throw DbError(QStringLiteral("Nessun ufficio %1 a %2 nel catalogo.").arg(kind, site), kSource, -1);
}

void fillOffices(Connection& c, const Istat& istat) {
    RowWriter regions(c, QStringLiteral("REGIONE"), {"Codice", "Descrizione"});
    for (const auto& [codice, nome] : istat.regioni()) regions({codice, nome});

    // Every municipality of the country: many rows at a time.
    BatchInsert sites(c, QStringLiteral("SITO"), {"CODICE", "DESCRIZIONE", "CODREGIONE", "SIGLA"});
    for (const Comune& t : istat.comuni()) sites.add({t.codice.toInt(), t.nome, t.codiceRegione, t.sigla});
    sites.flush();

    fillOfficeTable(c, QStringLiteral("UFFICIO"), QStringLiteral("CODSITO"), catalogue(istat).giudiziari);
    fillOfficeTable(c, QStringLiteral("UfficiTributari"), QStringLiteral("CodSito"),
                    catalogue(istat).tributari);
}

}  // namespace tolmo::schema::demo

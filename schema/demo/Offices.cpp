// Regions, sites and offices. Regions and chief towns come from the ISTAT municipality archive
// (CC BY 3.0 IT); office codes are the office kind followed by the site's ISTAT code.

#include "Offices.h"

#include <QSet>

#include "Rows.h"
#include "Steps.h"

namespace tolmo::schema::demo {

namespace {

/// Where an office kind sits.
enum class Seat { ChiefTown, AppealSeat, RegionalCapital, Rome };

struct OfficeKind {
    const char* kind;
    const char* descrizione;
    Seat seat;
};

const OfficeKind kJudicial[] = {
    {"GDP", "GIUDICE DI PACE", Seat::ChiefTown},
    {"TRI", "TRIBUNALE", Seat::ChiefTown},
    {"PRO", "PROCURA DELLA REPUBBLICA", Seat::ChiefTown},
    {"CDA", "CORTE D'APPELLO", Seat::AppealSeat},
    {"PGR", "PROCURA GENERALE DELLA REPUBBLICA", Seat::AppealSeat},
    {"TMI", "TRIBUNALE PER I MINORENNI", Seat::AppealSeat},
    {"TAR", "TRIBUNALE AMMINISTRATIVO REGIONALE", Seat::RegionalCapital},
    {"CAS", "CORTE SUPREMA DI CASSAZIONE", Seat::Rome},
    {"CDS", "CONSIGLIO DI STATO", Seat::Rome},
};

const OfficeKind kTax[] = {
    {"DPE", "AGENZIA DELLE ENTRATE - DIREZIONE PROVINCIALE", Seat::ChiefTown},
    {"CG1", "CORTE DI GIUSTIZIA TRIBUTARIA DI PRIMO GRADO", Seat::ChiefTown},
    {"DRE", "AGENZIA DELLE ENTRATE - DIREZIONE REGIONALE", Seat::RegionalCapital},
    {"CG2", "CORTE DI GIUSTIZIA TRIBUTARIA DI SECONDO GRADO", Seat::RegionalCapital},
};

const QSet<QString> kAppealSeats = {
    "Ancona",     "Bari",    "Bologna",   "Brescia", "Cagliari", "Caltanissetta",
    "Campobasso", "Catania", "Catanzaro", "Firenze", "Genova",   "L'Aquila",
    "Lecce",      "Messina", "Milano",    "Napoli",  "Palermo",  "Perugia",
    "Potenza",    "Roma",    "Salerno",   "Torino",  "Trento",   "Reggio di Calabria",
    "Trieste",    "Venezia"};

const QSet<QString> kRegionalCapitals = {"Torino",  "Aosta",   "Milano",    "Trento",     "Venezia",
                                         "Trieste", "Genova",  "Bologna",   "Firenze",    "Perugia",
                                         "Ancona",  "Roma",    "L'Aquila",  "Campobasso", "Napoli",
                                         "Bari",    "Potenza", "Catanzaro", "Palermo",    "Cagliari"};

bool seatedAt(Seat seat, const Comune& town) {
    switch (seat) {
        case Seat::ChiefTown:
            return true;
        case Seat::AppealSeat:
            return kAppealSeats.contains(town.nome);
        case Seat::RegionalCapital:
            return kRegionalCapitals.contains(town.nome);
        case Seat::Rome:
            return town.nome == QLatin1String("Roma");
    }
    return false;
}

QString code(const char* kind, const Comune& town) { return QString::fromUtf8(kind) + town.codice; }

template <size_t N>
void fillOfficeTable(Connection& c, const QString& table, const QString& siteColumn,
                     const QList<Comune>& towns, const OfficeKind (&kinds)[N]) {
    RowWriter w(c, table, {"Codice", "Descrizione", siteColumn});
    for (const Comune& town : towns)
        for (const OfficeKind& k : kinds)
            if (seatedAt(k.seat, town)) w({code(k.kind, town), k.descrizione, town.codice.toInt()});
}

}  // namespace

OfficeChoice judicialOffice(const Istat& istat, const QString& kind, const QString& site) {
    const Comune& town = istat.comune(site);
    for (const OfficeKind& k : kJudicial) {
        if (kind != QLatin1String(k.kind)) continue;
        const QString text = QString::fromUtf8(k.descrizione);
        // The picker names a regional office after its region, any other after its town.
        const QString shown =
            text.endsWith(QLatin1String("REGIONALE"))
                ? text + QLatin1Char(' ') + town.regione + QStringLiteral(" (") + town.nome + QLatin1Char(')')
                : text + QStringLiteral(" di ") + town.nome;
        return {code(k.kind, town), shown.toUpper()};
    }
    throw DbError(QStringLiteral("Tipo di ufficio sconosciuto: %1.").arg(kind),
                  QStringLiteral("tolmo_schema: studio dimostrativo"), -1);
}

void fillOffices(Connection& c, const Istat& istat) {
    RowWriter regions(c, QStringLiteral("REGIONE"), {"Codice", "Descrizione"});
    for (const auto& [codice, nome] : istat.regioni()) regions({codice, nome});

    const QList<Comune> towns = istat.capoluoghi();
    RowWriter sites(c, QStringLiteral("SITO"), {"CODICE", "DESCRIZIONE", "CODREGIONE", "SIGLA"});
    for (const Comune& t : towns) sites({t.codice.toInt(), t.nome, t.codiceRegione, t.sigla});

    fillOfficeTable(c, QStringLiteral("UFFICIO"), QStringLiteral("CODSITO"), towns, kJudicial);
    fillOfficeTable(c, QStringLiteral("UfficiTributari"), QStringLiteral("CodSito"), towns, kTax);
}

}  // namespace tolmo::schema::demo

// Rows of Pratica and of the additional parties of a case (MultiIntesta).

#include <algorithm>

#include "FirmRows.h"
#include "Municipalities.h"
#include "Vocabulary.h"
#include "extras/FreeFields.h"

namespace tolmo::bench {

namespace {

/// Cases are opened one after the other from here to shortly before firmToday().
const QDate kFirstOpening(2000, 1, 3);
constexpr int kOpeningSpanDays = 8900;

QString displayName(const FirmDraft& d, int partyId) {
    const QString name = d.nameOf(partyId);
    return name.isEmpty() ? d.surnameOf(partyId) : d.surnameOf(partyId) + QLatin1Char(' ') + name;
}

bool isClosed(const QString& state) {
    return state.startsWith(QStringLiteral("Chius"), Qt::CaseInsensitive) ||
           state.startsWith(QStringLiteral("Archiv"), Qt::CaseInsensitive);
}

QString court(Prng& rng) {
    static const QList<QString> kRegionalCourts = {"TAR Lazio", "TAR Lombardia", "TAR Campania",
                                                   "TAR Veneto"};
    const QString& kind = rng.pick(vocabulary::courts());
    if (kind == QLatin1String("TAR")) return rng.pick(kRegionalCourts);
    return kind + QLatin1Char(' ') + Municipalities::shipped().pick(rng).name;
}

QString note(FirmDraft& d) {
    static const QList<QString> kNotes = {"Pratica trasmessa dal collega di ", "Cliente segnalato da ",
                                          "Documenti originali consegnati a ",
                                          "Sollecitare il pagamento dell'acconto a "};
    if (!d.rng.percent(30)) return QString();
    return d.rng.pick(kNotes) + d.rng.pick(vocabulary::surnames());
}

/// Free field 1 as a person would have typed it for the case's classifier: NULL when the
/// classifier does not use it, a day, an amount or a number for those kinds, else a policy number.
QVariant freeField(Prng& rng, const Catalogue::Classifier& classifier, const QDate& opened) {
    if (!classifier.firstFieldUsed || !rng.percent(60)) return QVariant();
    if (classifier.firstFieldKind == extras::kKindDate)
        return opened.addDays(-rng.between(1, 3000)).toString(QStringLiteral("dd/MM/yyyy"));
    if (classifier.firstFieldKind == extras::kKindMoney)
        return QStringLiteral("%1,%2")
            .arg(rng.between(100, 90000))
            .arg(rng.below(100), 2, 10, QLatin1Char('0'));
    if (classifier.firstFieldKind == extras::kKindNumber) return QString::number(rng.between(1, 400));
    return QStringLiteral("Polizza n. %1").arg(rng.between(100000, 999999));
}

}  // namespace

namespace pratica {

const QStringList& columns() {
    static const QStringList list = {
        "ID_Pra",
        "Posizione",
        "NumPos",
        "ID_Cliente",
        "ID_Controparte",
        "ControCognome",
        "ControNome",
        "NumeroRegGenerale",
        "UfficioGiudiziario",
        "Sezione",
        "Oggetto",
        "CodiceOggetto",
        "ID_Acp",
        "AcpCognome",
        "AcpNome",
        "ID_UtenteRiferimento",
        "ResponsabileFascicolo",
        "Fk_Gruppo",
        "DataInizio",
        "DataChiusura",
        "Stato",
        "ID_Cla",
        "Valore",
        "Valuta",
        "Rilevanza",
        "Note",
        "Campo1",
    };
    return list;
}

CaseDraft draft(FirmDraft& d, int id, int ordinal, int cases) {
    CaseDraft c;
    c.id = id;
    c.ordinal = ordinal;
    c.client = d.pick(Category::Client);
    c.counterparty = d.pick(Category::Counterparty);
    c.opened =
        kFirstOpening.addDays(static_cast<qint64>(ordinal) * kOpeningSpanDays / cases + d.rng.below(30));
    c.parties = displayName(d, c.client) + QStringLiteral(" / ") + displayName(d, c.counterparty);
    return c;
}

QVariantList row(FirmDraft& d, const CaseDraft& c) {
    Prng& rng = d.rng;
    static const QList<int> kRelevance = {50, 100, 100, 100, 150, 200};
    const vocabulary::CaseSubject& subject = rng.pick(vocabulary::caseSubjects());
    const int lawyer = d.pick(Category::OpposingLawyer);
    const Catalogue::User& owner = rng.pick(d.catalogue.users);
    const QString state = rng.pick(d.catalogue.states);
    const bool inCourt = rng.percent(70);
    const Catalogue::Classifier& classifier = rng.pick(d.catalogue.classifiers);
    return {
        c.id,
        QStringLiteral("%1/%2").arg(c.opened.year()).arg(c.id, 6, 10, QLatin1Char('0')),
        c.id,
        c.client,
        c.counterparty,
        d.surnameOf(c.counterparty),
        d.nameOf(c.counterparty),
        inCourt ? QStringLiteral("%1/%2").arg(rng.between(1, 30000)).arg(c.opened.year()) : QString(),
        inCourt ? court(rng) : QString(),
        inCourt && rng.percent(60) ? QStringLiteral("Sez. %1").arg(rng.between(1, 12)) : QString(),
        subject.text,
        subject.code,
        lawyer,
        d.surnameOf(lawyer),
        d.nameOf(lawyer),
        owner.id,
        owner.name,
        d.groupOrNull(),
        c.opened,
        isClosed(state) ? QVariant(std::min(c.opened.addDays(rng.between(100, 1500)), firmToday()))
                        : QVariant(),
        state,
        classifier.id,
        rng.between(500, 250000) + rng.below(100) / 100.0,
        QStringLiteral("EURO"),
        rng.pick(kRelevance),
        note(d),
        freeField(rng, classifier, c.opened),
    };
}

}  // namespace pratica

namespace extraParty {

const QStringList& columns() {
    static const QStringList list = {"ID_Multi", "ID_Pra", "ID_Ana", "IsCliente", "Cognome", "Nome"};
    return list;
}

QVariantList row(FirmDraft& d, const CaseDraft& c, int id) {
    const bool client = d.rng.percent(50);
    const int party = d.pick(client ? Category::Client : Category::Counterparty);
    return {id, c.id, party, client, d.surnameOf(party), d.nameOf(party)};
}

}  // namespace extraParty

}  // namespace tolmo::bench

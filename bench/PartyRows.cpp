// Rows of Anagrafica: people and companies with their tax codes and addresses.

#include "AsciiLetters.h"
#include "FirmRows.h"
#include "Municipalities.h"
#include "Vocabulary.h"
#include "schema/demo/TaxCodes.h"

namespace tolmo::bench::party {

namespace {

/// How often each category occurs, in percent; the rest have none (NULL).
struct Share {
    Category category;
    int percent;
    const char* text;
};
constexpr Share kShares[] = {
    {Category::Client, 30, "Cliente"},          {Category::Counterparty, 30, "Controparte"},
    {Category::OpposingLawyer, 10, "AVV. C/P"}, {Category::Correspondent, 5, "Corrispondente"},
    {Category::Judge, 5, "Istruttore"},         {Category::Procurer, 3, "PROCACCIATORE"},
};

const Share* pickShare(Prng& rng) {
    int r = rng.below(100);
    for (const Share& s : kShares) {
        if (r < s.percent) return &s;
        r -= s.percent;
    }
    return nullptr;
}

QString digits(Prng& rng, int count) {
    QString s;
    for (int i = 0; i < count; ++i) s += QChar('0' + rng.below(10));
    return s;
}

QString phone(Prng& rng) {
    if (rng.percent(60)) return QLatin1Char('3') + digits(rng, 2) + QLatin1Char(' ') + digits(rng, 7);
    return QLatin1Char('0') + digits(rng, 1 + rng.below(3)) + QLatin1Char(' ') + digits(rng, 6);
}

QString email(Prng& rng, const QString& surname, const QString& name) {
    static const QList<QString> kDomains = {"gmail.com", "libero.it", "pec.it", "tiscali.it", "virgilio.it"};
    const QString local =
        name.isEmpty() ? asciiLetters(surname).toLower()
                       : asciiLetters(name).toLower() + QLatin1Char('.') + asciiLetters(surname).toLower();
    return local + QLatin1Char('@') + rng.pick(kDomains);
}

Party newParty(Prng& rng, Category category) {
    Party p;
    p.category = category;
    p.company = (category == Category::Client || category == Category::Counterparty) && rng.percent(20);
    p.female = !p.company && rng.percent(45);
    p.surname = static_cast<quint16>(rng.below(static_cast<int>(vocabulary::surnames().size())));
    p.secondSurname = static_cast<quint16>(rng.below(static_cast<int>(vocabulary::surnames().size())));
    const auto& names = p.female ? vocabulary::femaleNames() : vocabulary::maleNames();
    p.name = static_cast<quint8>(rng.below(static_cast<int>(names.size())));
    p.form = static_cast<quint8>(rng.below(static_cast<int>(vocabulary::companyForms().size())));
    return p;
}

}  // namespace

const QStringList& columns() {
    static const QStringList list = {
        "ID_Ana",       "Cognome",       "Nome",         "Categoria",
        "StatoPolis",   "IdRiservata",   "fkGruppo",     "IsFisicaGiuridica",
        "Sesso",        "LuogoNascita",  "DataNascita",  "CittaRes",
        "ProvinciaRes", "CapRes",        "IndirizzoRes", "NumCivicoRes",
        "PartitaIva",   "CodiceFiscale", "NumeroTel",    "Email",
    };
    return list;
}

QVariantList row(FirmDraft& d, int id) {
    Prng& rng = d.rng;
    const Share* share = pickShare(rng);
    const Category category = share ? share->category : Category::None;
    const Party p = newParty(rng, category);
    d.parties.push_back(p);
    d.byCategory[static_cast<int>(category)].push_back(id);

    const QString surname = d.surnameOf(id);
    const QString name = d.nameOf(id);
    const Municipalities& towns = Municipalities::shipped();
    const Municipality& home = towns.pick(rng);
    const Municipality& birthplace = rng.percent(70) ? home : towns.pick(rng);
    const QDate born = QDate(1940, 1, 1).addDays(rng.below(365 * 63));
    const QString vat =
        p.company ? schema::demo::partitaIva(rng.between(1, 9999999), home.provinceCode) : QString();
    const int statoPolis = rng.percent(95) ? 0 : rng.between(1, 2);
    const int reservedTo = rng.percent(1) ? rng.pick(d.catalogue.users).id : 0;

    return {
        id,
        surname,
        name,
        share ? QVariant(QString::fromLatin1(share->text)) : QVariant(),
        statoPolis,
        reservedTo,
        d.groupOrNull(),
        !p.company,
        p.company ? QVariant() : QVariant(p.female ? QStringLiteral("F") : QStringLiteral("M")),
        p.company ? QString() : birthplace.name,
        p.company ? QVariant() : QVariant(born),
        home.name,
        home.province,
        home.postcode,
        rng.pick(vocabulary::streetKinds()) + QLatin1Char(' ') + rng.pick(vocabulary::streetNames()),
        QString::number(rng.between(1, 250)),
        vat,
        p.company ? vat
                  : schema::demo::codiceFiscale(surname, name, born, p.female, birthplace.cadastralCode),
        phone(rng),
        rng.percent(50) ? email(rng, surname, name) : QString(),
    };
}

}  // namespace tolmo::bench::party

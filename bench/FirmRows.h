#pragma once
// The rows of a generated firm, table by table. A FirmDraft remembers what later rows refer to
// (who each party is, which parties can be clients or counterparties).

#include <QDate>
#include <QList>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <vector>

#include "Prng.h"
#include "access/TolmoAccess.h"

namespace tolmo::bench {

/// The day the generated firm is looked at: nothing was opened or closed after it, agenda entries
/// before it are done and advances invoiced well before it are settled.
inline QDate firmToday() { return QDate(2024, 9, 17); }

/// The catalogue rows of the database that generated rows point to.
struct Catalogue {
    struct Classifier {
        int id;
        bool firstFieldUsed;     ///< free field 1 has a caption
        QString firstFieldKind;  ///< its kind code (extras::kKindDate, ...; "" for text)
    };
    QList<Classifier> classifiers;  ///< {1, no free field} when the catalogue is empty
    QList<QString> states;
    struct User {
        int id;
        QString name;
    };
    QList<User> users;  ///< {0, ""} when there is none
    QList<QString> groups;

    /// Reads them from `conn`. Throws DbError.
    static Catalogue read(Connection& conn);
};

enum class Category : quint8 { Client, Counterparty, OpposingLawyer, Correspondent, Judge, Procurer, None };

/// One generated party, small enough to keep a million of them.
struct Party {
    Category category = Category::None;
    bool company = false;
    bool female = false;
    quint16 surname = 0;
    quint16 secondSurname = 0;  ///< companies: the trade or the partner
    quint8 name = 0;
    quint8 form = 0;  ///< companies: the legal form
};

class FirmDraft {
public:
    FirmDraft(Catalogue catalogue, std::uint64_t seed) : rng(seed), catalogue(std::move(catalogue)) {}

    Prng rng;
    Catalogue catalogue;
    int firstPartyId = 0;
    std::vector<Party> parties;  ///< parties[i] has ID_Ana firstPartyId + i
    std::vector<int> byCategory[7];

    QString surnameOf(int partyId) const;  ///< the Cognome column: surname or company name
    QString nameOf(int partyId) const;     ///< the Nome column: "" for companies
    /// A party of the category, or any party when none has it.
    int pick(Category category);
    /// A group the row is reserved to (rarely), or null.
    QVariant groupOrNull();
};

/// One generated case, as its agenda entries and invoices need it.
struct CaseDraft {
    int id = 0;
    int ordinal = 0;
    int client = 0;
    int counterparty = 0;
    QDate opened;
    QString parties;  ///< "Client / Counterparty", as the agenda shows it
};

namespace party {
const QStringList& columns();
/// Generates the party with key `id` (the next one) into `draft` and returns its row.
QVariantList row(FirmDraft& draft, int id);
}  // namespace party

namespace pratica {
const QStringList& columns();
QVariantList row(FirmDraft& draft, const CaseDraft& c);
/// Fills the client, counterparty and opening date of the case `ordinal` of `cases`.
CaseDraft draft(FirmDraft& draft, int id, int ordinal, int cases);
}  // namespace pratica

namespace extraParty {
const QStringList& columns();
QVariantList row(FirmDraft& draft, const CaseDraft& c, int id);
}  // namespace extraParty

namespace agenda {
const QStringList& columns();
QVariantList row(FirmDraft& draft, const CaseDraft& c, int id);
}  // namespace agenda

namespace invoice {
const QStringList& columns();
/// The `n`-th invoice of the case (0 advance, then invoices, the last one final).
QVariantList row(FirmDraft& draft, const CaseDraft& c, int id, int n);
}  // namespace invoice

namespace aml {
struct Professional {
    int id = 0;
    QString piva;
    int lastGroup = 0;  ///< the case whose service began his latest split group, 0 for none
};
struct Keys {
    int service = 1;
    int identification = 1;
    int subject = 1;
};
struct Rows {
    QVariantList service, identification, subject;
};
const QStringList& serviceColumns();
const QStringList& identificationColumns();
const QStringList& subjectColumns();
/// Whether the case of `ordinal` has a registered service.
bool registered(int ordinal);
/// The users with a VAT number, who register the services. Throws DbError.
QList<Professional> professionals(Connection& conn);
/// The service of case `c`, its client's identification and its subject, with the next keys.
Rows rows(FirmDraft& d, const CaseDraft& c, QList<Professional>& professionals, Keys& keys);
}  // namespace aml

}  // namespace tolmo::bench

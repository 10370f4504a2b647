// The firm itself: configuration, users and groups.

#include "Firm.h"

#include <QDate>

#include "Rows.h"
#include "Steps.h"
#include "TaxCodes.h"
#include "schema/DemoFirm.h"

namespace tolmo::schema::demo {

namespace {

const QString kRoma = QStringLiteral("058");  // province office code of the firm's VAT numbers

struct User {
    int id;
    const char* nome;
    const char* esteso;
    const char* cognome;
    const char* nomeProprio;
    bool contabilita;
    int vatSerial;  // 0: no VAT number
    const char* codiceAR;
};

const User kUsers[] = {
    {kUtenteAmministratore, "Amministratore", "Amministratore di sistema", "", "", false, 0, ""},
    {kUtenteRossi, "Marco Rossi", "Avv. Marco Rossi", "Rossi", "Marco", true, 1184520, "AR0002"},
    {kUtenteBianchi, "Giulia Bianchi", "Avv. Giulia Bianchi", "Bianchi", "Giulia", true, 1377461, "AR0003"},
    {kUtenteFerrari, "Luca Ferrari", "Avv. Luca Ferrari", "Ferrari", "Luca", true, 1502238, ""},
    {kUtenteGatti, "Francesca Gatti", "Dott.ssa Francesca Gatti (praticante)", "Gatti", "Francesca", false, 0,
     "AR0005"},
    {kUtenteRomano, "Paola Romano", "Paola Romano (segreteria)", "Romano", "Paola", false, 0, ""},
    {kUtenteColombo, "Andrea Colombo", "Avv. Andrea Colombo", "Colombo", "Andrea", true, 1622907, "AR0007"},
    {kUtenteRicci, "Sara Ricci", "Sara Ricci (amministrazione)", "Ricci", "Sara", false, 0, ""},
};

struct Group {
    int id;
    const char* nome;
    const char* descrizione;
    QList<int> utenti;
};

const Group kGroups[] = {
    {kGruppoTutti, "TUTTI", "Tutti gli utenti dello studio", {1, 2, 3, 4, 5, 6, 7, 8}},
    {kGruppoSegreteria, "SEGRETERIA", "Segreteria e amministrazione", {kUtenteRomano, kUtenteRicci}},
    {kGruppoCivile,
     "CIVILE",
     "Dipartimento civile",
     {kUtenteRossi, kUtenteBianchi, kUtenteGatti, kUtenteColombo}},
    {kGruppoPenale, "PENALE", "Dipartimento penale", {kUtenteFerrari, kUtenteGatti}},
    {kGruppoLavoro, "LAVORO", "Diritto del lavoro", {kUtenteColombo}},
    {kGruppoSoci, "SOCI", "Soci dello studio", {kUtenteRossi, kUtenteBianchi}},
};

QString email(const User& u) {
    if (!*u.cognome) return QStringLiteral("amministrazione@example.com");
    return (QString::fromUtf8(u.nomeProprio) + QLatin1Char('.') + QString::fromUtf8(u.cognome)).toLower() +
           QStringLiteral("@example.com");
}

// A new firm's configuration holds the defaults and leaves its name and address to be typed.
void fillConfig(Connection& c, Scope scope) {
    RowWriter w(c, QStringLiteral("ConfigGenerale"),
                {"ID", "NumAuto", "CambioLiraEuro", "ValutaDefault", "StrutturaCartelle", "GammaMod",
                 "RagioneSociale", "PartitaIva", "indirizzo", "citta", "cap"});
    if (scope == Scope::Base)
        w({1, true, 1936.27, "EURO", "CLI_CO_POS", false, "", "", "", "", ""});
    else
        w({1, true, 1936.27, "EURO", "CLI_CO_POS", false, "Studio Legale Associato Rossi Bianchi",
           partitaIva(1099871, kRoma), "Via Cola di Rienzo 212", "Roma", "00192"});
}

bool inScope(int user, Scope scope) { return scope == Scope::Demo || user == kUtenteAmministratore; }

void fillUsers(Connection& c, Scope scope) {
    RowWriter w(c, QStringLiteral("Utenti"),
                {"Id_Utente", "NomeUtente", "nomeesteso", "cognometp", "nometp", "TitContabilita",
                 "IsAmministratore", "Piva", "CodUteAR", "Email"});
    for (const User& u : kUsers)
        if (inScope(u.id, scope))
            // A new firm has no other user to hold the accounts of its cases: its administrator does.
            w({u.id, u.nome, u.esteso, u.cognome, u.nomeProprio, u.contabilita || scope == Scope::Base,
               u.id == kUtenteAmministratore, userPiva(u.id), u.codiceAR, email(u)});
}

// A new firm has the group of everybody, holding its administrator.
void fillGroups(Connection& c, Scope scope) {
    RowWriter groups(c, QStringLiteral("Gruppi"), {"ID_Gruppo", "Gruppo", "Descrizione"});
    RowWriter members(c, QStringLiteral("R_UtentiGruppi"), {"Id_Utente", "Gruppo"});
    for (const Group& g : kGroups) {
        if (scope == Scope::Base && g.id != kGruppoTutti) continue;
        groups({g.id, g.nome, g.descrizione});
        for (int user : g.utenti)
            if (inScope(user, scope)) members({user, g.nome});
    }
}

}  // namespace

QString userName(int id) {
    for (const User& u : kUsers)
        if (u.id == id) return QString::fromUtf8(u.nome);
    return {};
}

QString userPiva(int id) {
    for (const User& u : kUsers)
        if (u.id == id && u.vatSerial) return partitaIva(u.vatSerial, kRoma);
    return {};
}

void fillFirm(Connection& c, Scope scope) {
    fillConfig(c, scope);
    fillUsers(c, scope);
    fillGroups(c, scope);
}

}  // namespace tolmo::schema::demo

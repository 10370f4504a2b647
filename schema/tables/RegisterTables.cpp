// The party register, the firm's users and groups, and the firm-wide configuration.

#include "Columns.h"
#include "Tables.h"

namespace tolmo::schema::def {

namespace {

/// Parties: clients, counterparties, lawyers, judges, procurers. Row 1 is the placeholder that
/// stands for no registered party.
TableInfo anagrafica() {
    TableInfo t{QStringLiteral("Anagrafica"), QStringLiteral("ID_Ana"), {}, {}};
    t.columns = {
        id("ID_Ana"),
        // The look-ups search on the surname's key and sort on it, the first name's key and the
        // id: one index serves the whole walk, alike on both engines.
        blank("Cognome", 400).required().bytewise(),
        searchKey("Cognome"),
        blank("Nome", 100),
        searchKey("Nome"),
        text("Categoria", 30),   // null: listed under every category
        smallint("StatoPolis"),  // 2 or more: left out of the client and counterparty grids
        ref("IdRiservata"),      // user the party is reserved to; 0 = everybody
        text("fkGruppo", 50),    // group the party is reserved to; null = none
        boolean("IsFisicaGiuridica").initially(true),  // true for a natural person
        boolean("IsSostitutoImposta"),
        text("Sesso", 1),
        blank("LuogoNascita", 100),
        date("DataNascita"),
        blank("CittaRes", 100),
        blank("ProvinciaRes", 2),
        blank("CapRes", 5),
        blank("IndirizzoRes", 150),
        blank("NumCivicoRes", 10),
        blank("PartitaIva", 11),
        blank("CodiceFiscale", 16),
        blank("NumeroTel", 30),
        blank("NumeroFax", 30),
        blank("NumeroTel_2", 30),
        blank("NumeroTel_3", 30),
        blank("NumeroTel_4", 30),
        blank("Email", 150),
        text("R_id_token", 50),  // the party's token in the external practice system
        memo("Note"),
    };
    // The party look-ups filter on category and reserved visibility: the index carries those
    // columns, so only the rows a page shows are read from the table. No index on
    // the category alone: without statistics SQLite would prefer it and sort every party of
    // the category, where walking the keys in order stops after the first page.
    t.indexes = {
        indexOn({"CognomeRicerca", "NomeRicerca", "ID_Ana"}, {"Categoria", "IdRiservata", "fkGruppo"})};
    return t;
}

TableInfo utenti() {
    return {QStringLiteral("Utenti"),
            QStringLiteral("Id_Utente"),
            {
                id("Id_Utente"),
                blank("NomeUtente", 50).required(),
                blank("nomeesteso", 150),
                blank("cognometp", 50),
                blank("nometp", 50),
                boolean("TitContabilita"),  // holds accounts
                boolean("IsAmministratore"),
                blank("Piva", 11),
                blank("CodUteAR", 20),  // anti-money-laundering user code
                blank("Email", 150),
            },
            {uniqueOn({"NomeUtente"})}};
}

/// The group named "TUTTI" is every user.
TableInfo gruppi() {
    return {QStringLiteral("Gruppi"),
            QStringLiteral("ID_Gruppo"),
            {id("ID_Gruppo"), blank("Gruppo", 50).required(), blank("Descrizione", 150)},
            {uniqueOn({"Gruppo"})}};
}

/// Which groups a user belongs to (by the group's name, as Fk_Gruppo and fkGruppo store it).
TableInfo utentiGruppi() {
    return {QStringLiteral("R_UtentiGruppi"),
            QStringLiteral("ID"),
            {id("ID"), integer("Id_Utente").required(), blank("Gruppo", 50).required()},
            {uniqueOn({"Id_Utente", "Gruppo"})}};
}

/// One row.
TableInfo configGenerale() {
    return {QStringLiteral("ConfigGenerale"),
            QStringLiteral("ID"),
            {
                id("ID"),
                boolean("NumAuto"),
                amount("CambioLiraEuro").initially(1936.27),
                text("ValutaDefault", 10).initially(QStringLiteral("EURO")),
                blank("StrutturaCartelle", 20),
                boolean("GammaMod"),
                blank("RagioneSociale", 150),
                blank("PartitaIva", 11),
                blank("indirizzo", 150),
                blank("citta", 100),
                blank("cap", 5),
                // The summer suspension of judicial terms the firm's criminal deadlines skip.
                text("SospensioneFeriale", 11).initially(QStringLiteral("01/08-15/09")),
            },
            {}};
}

}  // namespace

/// One row: the version of the schema the archive holds (the program's kVersioneSchema).
TableInfo versioneSchema() {
    return {QStringLiteral("VersioneSchema"), QStringLiteral("Versione"), {integer("Versione").required()}, {}};
}

QList<TableInfo> registerTables() {
    return {versioneSchema(), anagrafica(), utenti(), gruppi(), utentiGruppi(), configGenerale()};
}

}  // namespace tolmo::schema::def

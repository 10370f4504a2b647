// The agenda, the documents of a case and the staging row of the external practice system.

#include "Columns.h"
#include "Tables.h"

namespace tolmo::schema::def {

namespace {

/// Agenda entries: hearings, deadlines and reminders (IsMemo) of a case.
TableInfo scadenze() {
    return {QStringLiteral("Scadenze"),
            QStringLiteral("Codice_Sca"),
            {
                id("Codice_Sca"),
                ref("Codice_Pra"),
                ref("Codice_Cli"),
                blank("Parti", 255),
                date("Data_Start"),
                date("Data_End"),
                blank("Ora", 5),
                blank("Scadenza", 255),
                memo("Note"),
                smallint("Priorita").initially(1),
                boolean("IsMemo"),
                boolean("IsUdienza"),
                boolean("Effettuato"),
                boolean("IsScadImpugnazione"),
                ref("IdResponsabile"),
                blank("Responsabile", 50),
            },
            {indexOn({"Codice_Pra"}), indexOn({"Data_End"})}};
}

/// Documents and folders; Posizione is the full path, DataCreazione the text "DD/MM/YYYY".
TableInfo documenti() {
    return {QStringLiteral("Documenti"),
            QStringLiteral("ID"),
            {id("ID"), blank("Titolo", 255), ref("Codice_Pra"), memo("Posizione"), blank("DataCreazione", 10),
             boolean("IsCartella"), boolean("IsCartellaFascicolo")},
            {indexOn({"Codice_Pra"})}};
}

/// One row per case, read by the external practice-management system.
TableInfo stCommesseGamma() {
    return {QStringLiteral("ST_CommesseGamma"),
            QStringLiteral("codice_commessa"),
            {
                integer("codice_commessa").required(),
                blank("descrizione", 255),
                blank("area_practice", 20),
                date("Data_Inizio"),
                date("Data_chiusura"),
                date("data_fine"),
                ref("responsabile"),
                blank("stato", 20),
                blank("cognome_resp", 50),
                blank("nome_resp", 50),
                blank("indirizzo_resp", 255),
                timestamp("timestamp"),
                blank("R_Id_Token", 50),
            },
            {}};
}

}  // namespace

QList<TableInfo> workTables() { return {scadenze(), documenti(), stCommesseGamma()}; }

}  // namespace tolmo::schema::def

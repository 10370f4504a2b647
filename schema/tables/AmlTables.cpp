// The anti-money-laundering archive: the service given on a case, the subjects identified for it,
// the identifications made by each professional and the professionals involved.

#include "Columns.h"
#include "Tables.h"

namespace tolmo::schema::def {

namespace {

/// One row per case. ProgressivoAR is the case id, or for a split service its group's code;
/// StatoRegP 0 registered, 1 under correction after consolidation (IsarchiviatoXML).
TableInfo prestazioniAR() {
    return {QStringLiteral("PrestazioniAR"),
            QStringLiteral("id_prest"),
            {
                id("id_prest"),
                integer("R_IdPra").required(),
                ref("ProgressivoAR"),
                boolean("IsFrazionata"),
                blank("Codice", 16),    // VAT number of the professional (Utenti.Piva)
                blank("CodicePU", 20),  // AML code of the professional (Utenti.CodUteAR)
                ref("R_IdUte"),
                date("DataRegPrest"),
                boolean("IsVerificata"),
                text("DivisaPrest", 3).initially(QStringLiteral("EUR")),
                amount("ImportoPrest").initially(0),
                ref("R_TipoPrest"),
                boolean("IsarchiviatoXML"),
                smallint("StatoRegP").initially(0),
                boolean("IsDaSegnalare"),
                rowVersion(),
            },
            {uniqueOn({"R_IdPra"})}};
}

TableInfo tipiPrestazione() {
    return {QStringLiteral("TipiPrestazione"),
            QStringLiteral("id_prest"),
            {id("id_prest"), blank("DescrPrest", 255).required(), boolean("IsNotaiAvvocati")},
            {}};
}

TableInfo divisa() {
    return {QStringLiteral("Divisa"),
            QStringLiteral("id_divisa"),
            {id("id_divisa"), text("swift", 3).required(), blank("DescrDivisa", 100)},
            {uniqueOn({"swift"})}};
}

/// Identification of a party by a professional: by VAT number (codiceprof) or AML code (AzeroDue).
TableInfo anagraficaAR() {
    return {QStringLiteral("AnagraficaAR"),
            QStringLiteral("id_ar"),
            {id("id_ar"), integer("R_Id_Anag").required(), blank("codiceprof", 16), text("AzeroDue", 20),
             date("DataIdentificazione"), blank("TipoDocumento", 50), blank("NumeroDocumento", 30),
             blank("RilasciatoDa", 100)},
            {indexOn({"R_Id_Anag"})}};
}

TableInfo soggettiAntiRiciclaggio() {
    return {QStringLiteral("SoggettiAntiRiciclaggio"),
            QStringLiteral("ID_SAR"),
            {id("ID_SAR"), integer("R_IdPraSAR").required(), integer("R_IdAnaSAR").required(),
             boolean("IsDaTrasferire"), ref("R_IdAr"), integer("R_IdPercontoDi")},
            {indexOn({"R_IdPraSAR"}), indexOn({"R_IdAnaSAR"})}};
}

TableInfo professionistiCoinvolti() {
    return {QStringLiteral("R_ProfessionistiCoinvolti"),
            QStringLiteral("ID"),
            {id("ID"), integer("R_IDPratica").required(), integer("R_IdProf").required(), ref("R_IdPresAr")},
            {indexOn({"R_IDPratica"})}};
}

}  // namespace

QList<TableInfo> amlTables() {
    return {prestazioniAR(), tipiPrestazione(),         divisa(),
            anagraficaAR(),  soggettiAntiRiciclaggio(), professionistiCoinvolti()};
}

}  // namespace tolmo::schema::def

// The judicial and tax offices, by region and site. Codes of regions and sites are numbers: the
// office picker appends them to its queries unquoted.

#include "Columns.h"
#include "Tables.h"

namespace tolmo::schema::def {

QList<TableInfo> officeTables() {
    return {
        {QStringLiteral("REGIONE"),
         QStringLiteral("Codice"),
         {integer("Codice").required(), blank("Descrizione", 100).required()},
         {}},
        {QStringLiteral("SITO"),
         QStringLiteral("CODICE"),
         {integer("CODICE").required(), blank("DESCRIZIONE", 100).required(),
          integer("CODREGIONE").required(), blank("SIGLA", 2)},
         {indexOn({"CODREGIONE"})}},
        {QStringLiteral("UFFICIO"),
         QStringLiteral("Codice"),
         {text("Codice", 20).required(), blank("Descrizione", 150).required(), integer("CODSITO").required()},
         {indexOn({"CODSITO"})}},
        {QStringLiteral("UfficiTributari"),
         QStringLiteral("Codice"),
         {text("Codice", 20).required(), blank("Descrizione", 150).required(), integer("CodSito").required()},
         {indexOn({"CodSito"})}},
    };
}

}  // namespace tolmo::schema::def

// Invoices, recorded activities, court-fee payments, foreign currencies and their rates. Valuta is
// "EURO", "LIRA" or the symbol of a foreign currency; Cambio is the row's own rate, 1 when none.

#include "Columns.h"
#include "Tables.h"

namespace tolmo::schema::def {

namespace {

/// TipoFattura: 1 advance (acconto), 2 invoice, 3 final invoice, 4 expense note, 5 credit note.
/// Fs_Fattura: the final invoice that settled an advance, 0 while the advance is open. A deleted
/// case leaves its invoices with ID_Pratica 0.
TableInfo fatture() {
    return {QStringLiteral("Fatture"),
            QStringLiteral("ID_Fattura"),
            {
                id("ID_Fattura"),
                ref("ID_Pratica"),
                ref("ID_Cliente"),
                ref("ID_Utente"),
                blank("NumeroFattura", 20),
                date("DataFattura"),
                smallint("TipoFattura").required().initially(2),
                ref("Fs_Fattura"),
                blank("Descrizione", 255),
                amount("Competenze").initially(0),
                amount("ForfSpese").initially(0),
                amount("Imponibili").initially(0),
                amount("Esenti").initially(0),
                amount("Cassa").initially(0),
                amount("Iva").initially(0),
                amount("Ritenuta").initially(0),
                amount("TotaleFattura").initially(0),
                amount("ResiduoASaldo").initially(0),
                text("Valuta", 10).initially(QStringLiteral("EURO")),
                amount("Cambio").initially(1),
            },
            {indexOn({"ID_Pratica"})}};
}

/// Activities and expenses recorded on a case; bFattura once invoiced.
TableInfo azioni() {
    return {QStringLiteral("Azioni"),
            QStringLiteral("IdAzione"),
            {
                id("IdAzione"),
                ref("IdPra"),
                ref("IdUtente"),
                date("Data"),
                blank("Descrizione", 255),
                ref("Minuti"),
                boolean("bFattura"),
                amount("Imponibili").initially(0),
                amount("Esenti").initially(0),
                text("Valuta", 10).initially(QStringLiteral("EURO")),
                amount("Cambio").initially(1),
            },
            {indexOn({"IdPra"})}};
}

/// Payments of a court fee. TipoPagamento: 0 postal bulletin, 1 revenue stamp, 2 form F23.
TableInfo estremiPagamento() {
    return {QStringLiteral("EstremiPagamento"),
            QStringLiteral("Id"),
            {id("Id"), integer("R_Id_Pratica").required(), smallint("TipoPagamento").required().initially(0),
             amount("Importo").initially(0), date("Data"), blank("CodMarcaL", 30), blank("CodUfficioP", 6),
             blank("CodBollettinoP", 4), rowVersion()},
            {indexOn({"R_Id_Pratica"})}};
}

TableInfo valuteEstere() {
    return {QStringLiteral("ValuteEstere"),
            QStringLiteral("Id"),
            {id("Id"), text("Simbolo", 10).required(), blank("Descrizione", 100),
             smallint("Decimali").initially(2)},
            {uniqueOn({"Simbolo"})}};
}

/// Dated rates of a foreign currency: units of the currency per euro (EURO/Simbolo).
TableInfo cambiValute() {
    return {QStringLiteral("CambiValute"),
            QStringLiteral("Id"),
            {id("Id"), integer("IdValuta").required(), date("Data").required(), amount("Valore").required()},
            {indexOn({"IdValuta", "Data"})}};
}

}  // namespace

QList<TableInfo> accountingTables() {
    return {fatture(), azioni(), estremiPagamento(), valuteEstere(), cambiValute()};
}

}  // namespace tolmo::schema::def

// Foreign currencies with dated rates, and the invoices of the demo cases in euro, in lire and in
// foreign currencies.

#include <QDate>
#include <cmath>

#include "Cases.h"
#include "Rows.h"
#include "Steps.h"
#include "schema/DemoFirm.h"

namespace tolmo::schema::demo {

namespace {

constexpr double kLiraEuro = 1936.27;

void fillCurrencies(Connection& c) {
    struct Foreign {
        int id;
        const char* simbolo;
        const char* descrizione;
        int decimali;
    };
    // SEK has no rate on file: its amounts are taken at 1 after a warning.
    const Foreign currencies[] = {{1, "USD", "Dollaro statunitense", 2},
                                  {2, "CHF", "Franco svizzero", 2},
                                  {3, "GBP", "Sterlina britannica", 2},
                                  {4, "JPY", "Yen giapponese", 0},
                                  {5, "SEK", "Corona svedese", 2}};
    RowWriter w(c, QStringLiteral("ValuteEstere"), {"Id", "Simbolo", "Descrizione", "Decimali"});
    for (const Foreign& v : currencies) w({v.id, v.simbolo, v.descrizione, v.decimali});

    // Units of the currency per euro (EURO/USD, ...), as the euro reference rates are quoted.
    RowWriter rates(c, QStringLiteral("CambiValute"), {"IdValuta", "Data", "Valore"});
    rates({1, QDate(2024, 1, 2), 1.0956});
    rates({1, QDate(2024, 7, 1), 1.0745});
    rates({1, QDate(2025, 1, 2), 1.0321});
    rates({2, QDate(2024, 1, 2), 0.9305});
    rates({2, QDate(2024, 7, 1), 0.9672});
    rates({2, QDate(2025, 1, 2), 0.9390});
    rates({3, QDate(2024, 1, 2), 0.8670});
    rates({3, QDate(2025, 1, 2), 0.8293});
    rates({4, QDate(2024, 1, 2), 155.1000});
    rates({4, QDate(2025, 1, 2), 163.1100});
}

struct Invoice {
    int id;
    int pratica;
    const char* numero;
    QDate data;
    int tipo;  // 1 advance, 2 invoice, 3 final invoice, 5 credit note
    double competenze;
    double forfSpese = 0;
    double esenti = 0;
    bool pagata = true;  // false: nothing paid yet
    double pagato = 0;   // for a partly paid invoice: the amount paid
    const char* valuta = "EURO";
    double cambio = 1;
    int saldataDa = 0;  // the final invoice that settled this advance
};

const Invoice kInvoices[] = {
    {.id = 1,
     .pratica = kPraEsposito,
     .numero = "12/2023",
     .data = QDate(2023, 2, 20),
     .tipo = 1,
     .competenze = 1000,
     .forfSpese = 150,
     .esenti = 237},
    {.id = 2,
     .pratica = kPraEsposito,
     .numero = "48/2024",
     .data = QDate(2024, 4, 10),
     .tipo = 2,
     .competenze = 1800,
     .forfSpese = 270,
     .pagata = false},
    {.id = 3,
     .pratica = kPraEdilnord,
     .numero = "9/2024",
     .data = QDate(2024, 2, 10),
     .tipo = 2,
     .competenze = 2200,
     .forfSpese = 330,
     .esenti = 259,
     .pagata = false,
     .pagato = 2000},
    {.id = 4,
     .pratica = kPraDellOrto,
     .numero = "41/1999",
     .data = QDate(1999, 5, 20),
     .tipo = 1,
     .competenze = 3000000,
     .forfSpese = 300000,
     .valuta = "LIRA",
     .cambio = kLiraEuro,
     .saldataDa = 5},
    {.id = 5,
     .pratica = kPraDellOrto,
     .numero = "77/2003",
     .data = QDate(2003, 7, 15),
     .tipo = 3,
     .competenze = 9500000,
     .forfSpese = 950000,
     .valuta = "LIRA",
     .cambio = kLiraEuro},
    {.id = 6,
     .pratica = kPraDAmico,
     .numero = "102/2024",
     .data = QDate(2024, 11, 5),
     .tipo = 2,
     .competenze = 800,
     .forfSpese = 120,
     .pagata = false,
     .pagato = 867.30},
    {.id = 7,
     .pratica = kPraDAmico,
     .numero = "3/2025",
     .data = QDate(2025, 1, 15),
     .tipo = 5,
     .competenze = 80,
     .pagata = false},
    {.id = 8,
     .pratica = kPraCantu,
     .numero = "5/2025",
     .data = QDate(2025, 1, 20),
     .tipo = 1,
     .competenze = 2500,
     .forfSpese = 375,
     .valuta = "CHF"},
    {.id = 9,
     .pratica = kPraCantu,
     .numero = "19/2025",
     .data = QDate(2025, 3, 10),
     .tipo = 2,
     .competenze = 1500,
     .forfSpese = 225,
     .pagata = false,
     .valuta = "USD",
     .cambio = 1.0321},
    {.id = 10,
     .pratica = kPraConti,
     .numero = "22/2022",
     .data = QDate(2022, 5, 12),
     .tipo = 1,
     .competenze = 800,
     .forfSpese = 120},
    {.id = 11,
     .pratica = kPraBianco,
     .numero = "31/2024",
     .data = QDate(2024, 3, 15),
     .tipo = 1,
     .competenze = 1750},
    {.id = 12,
     .pratica = kPraSantoro,
     .numero = "14/2025",
     .data = QDate(2025, 3, 5),
     .tipo = 1,
     .competenze = 2000,
     .forfSpese = 300},
};

/// Rounded to the cent, or to the lira for lire.
double rounded(double amount, bool lire) {
    const double unit = lire ? 1 : 100;
    return std::round(amount * unit) / unit;
}

}  // namespace

void fillAccounting(Connection& c, Scope scope) {
    fillCurrencies(c);
    if (scope == Scope::Base) return;
    RowWriter w(c, QStringLiteral("Fatture"),
                {"ID_Fattura", "ID_Pratica", "ID_Cliente", "ID_Utente", "NumeroFattura", "DataFattura",
                 "TipoFattura", "Fs_Fattura", "Descrizione", "Competenze", "ForfSpese", "Imponibili",
                 "Esenti", "Cassa", "Iva", "TotaleFattura", "ResiduoASaldo", "Valuta", "Cambio"});
    for (const Invoice& f : kInvoices) {
        const bool lire = QLatin1String(f.valuta) == QLatin1String("LIRA");
        // Lawyers' pension fund 2% and VAT 20% in the lira years, 4% and 22% today.
        const double cassa = rounded((f.competenze + f.forfSpese) * (lire ? 0.02 : 0.04), lire);
        const double iva = rounded((f.competenze + f.forfSpese + cassa) * (lire ? 0.20 : 0.22), lire);
        const double totale = f.competenze + f.forfSpese + cassa + iva + f.esenti;
        const double residuo = f.pagata ? 0 : rounded(totale - f.pagato, lire);
        const CaseSummary k = caseSummary(f.pratica);
        static const char* const kinds[] = {"",           "Fattura d'acconto", "Fattura", "Fattura a saldo",
                                            "Nota spese", "Nota di credito"};
        w({f.id, f.pratica, k.cliente, k.contabilita, f.numero, f.data, f.tipo, f.saldataDa, kinds[f.tipo],
           f.competenze, f.forfSpese, 0, f.esenti, cassa, iva, totale, residuo, f.valuta, f.cambio});
    }
}

}  // namespace tolmo::schema::demo

// What hangs from the demo cases: additional parties, involved subjects, agenda entries,
// activities and expenses, court-fee payments.

#include <QDate>

#include "Cases.h"
#include "Firm.h"
#include "Rows.h"
#include "Steps.h"
#include "schema/DemoFirm.h"

namespace tolmo::schema::demo {

namespace {

constexpr double kLiraEuro = 1936.27;

// TabQualifiche ids, in the order the catalogue lists them.
enum Qualifica {
    Indagato = 1,
    Imputato,
    PersonaOffesa,
    ParteCivile,
    ResponsabileCivile,
    Testimone,
    Ctu,
    Ctp,
    LegaleRappresentante,
    Erede,
    Fideiussore,
    Tutore,
    AmministratoreSostegno,
    Curatore,
    TerzoPignorato
};

void fillAdditionalParties(Connection& c) {
    RowWriter w(c, QStringLiteral("MultiIntesta"), {"ID_Pra", "ID_Ana", "IsCliente", "Cognome", "Nome"});
    w({kPraEsposito, kAnaEspositoCarmela, true, "", ""});
    w({kPraEsposito, kAnaNullo, false, "Russo", "Ciro"});  // a name typed by hand
    w({kPraEdilnord, kAnaTestaRoberta, false, "", ""});
    w({kPraTrattoria, kAnaMarchettiLuigi, true, "", ""});
}

void fillInvolvedSubjects(Connection& c) {
    RowWriter w(c, QStringLiteral("R_PraQualifiche"),
                {"IdPra", "IdAna", "IdQual", "NomeRappresentato", "R_IDRappresentato"});
    w({kPraEsposito, kAnaPellegriniMarco, Ctu, "", 0});
    w({kPraEdilnord, kAnaTestaRoberta, Fideiussore, "", 0});
    w({kPraConti, kAnaLombardiRoberto, Imputato, "", 0});
    w({kPraConti, kAnaContiElena, ParteCivile, "", 0});
    w({kPraConti, kAnaSantoroDavide, Testimone, "", 0});
    w({kPraGreco, kAnaGrecoAntonio, Indagato, "", 0});
    w({kPraGreco, kAnaPellegriniMarco, Ctp, "", 0});
    w({kPraTrattoria, kAnaMarchettiLuigi, LegaleRappresentante,
       "Trattoria Da Gino di Marchetti Luigi & C. S.n.c.", kAnaTrattoriaDaGino});
    w({kPraDAmico, kAnaBancaPopolareLario, TerzoPignorato, "", 0});
    w({kPraDeLuca, kAnaDeLucaAnna, Imputato, "", 0});
}

struct Entry {
    int pratica;
    QDate fine;
    const char* ora;
    const char* scadenza;
    int responsabile;
    bool udienza = false;
    bool effettuato = false;
    QDate inizio = {};  // set for a reminder (IsMemo)
    bool impugnazione = false;
    int priorita = 1;
};

const Entry kAgenda[] = {
    {kPraEsposito, QDate(2024, 3, 12), "09:30", "Udienza di prima comparizione", kUtenteRossi, true, true},
    {kPraEsposito,
     QDate(2025, 9, 15),
     "",
     "Deposito memoria integrativa",
     kUtenteGatti,
     false,
     false,
     {},
     false,
     2},
    {kPraEsposito, QDate(2025, 10, 14), "09:30", "Udienza di precisazione delle conclusioni", kUtenteRossi,
     true},
    {kPraEdilnord, QDate(2024, 3, 15), "", "Scadenza termine per l'opposizione al decreto ingiuntivo",
     kUtenteBianchi, false, true},
    {kPraEdilnord, QDate(2025, 9, 30), "", "Notifica dell'atto di precetto", kUtenteGatti},
    {kPraConti, QDate(2025, 5, 13), "10:00", "Udienza dibattimentale: apertura", kUtenteFerrari, true, true},
    {kPraConti, QDate(2025, 11, 4), "11:00", "Udienza dibattimentale: esame dei testimoni", kUtenteFerrari,
     true},
    {kPraGreco, QDate(2025, 10, 20), "", "Promemoria: memoria difensiva ex art. 415-bis c.p.p.",
     kUtenteFerrari, false, false, QDate(2025, 10, 5)},
    {kPraGreco, QDate(2025, 10, 20), "", "Termine per la memoria difensiva ex art. 415-bis c.p.p.",
     kUtenteFerrari},
    {kPraBianco, QDate(2025, 10, 2), "12:00", "Udienza di discussione", kUtenteColombo, true},
    {kPraDAngelo, QDate(2025, 11, 27), "", "Verifica dell'esito della mediazione familiare", kUtenteBianchi},
    {kPraTrattoria, QDate(2025, 11, 19), "09:00", "Udienza di merito", kUtenteRossi, true},
    {kPraDellOrto, QDate(2003, 6, 30), "10:00", "Lettura della sentenza", kUtenteBianchi, true, true},
    {kPraDAmico, QDate(2025, 10, 8), "", "Dichiarazione del terzo pignorato", kUtenteGatti},
    {kPraCattaneo, QDate(2025, 12, 9), "10:30", "Prima udienza ex art. 420 c.p.c.", kUtenteColombo, true},
    {kPraDeLuca, QDate(2023, 11, 13), "", "Data scadenza impugnazione", kUtenteFerrari, false, true,
     QDate(2023, 10, 29), true},
    {kPraDeLuca, QDate(2023, 11, 13), "", "Scadenza impugnazione", kUtenteFerrari, false, true, {}, true},
    {kPraDeLuca, QDate(2025, 12, 3), "09:00", "Udienza in Corte d'Appello", kUtenteFerrari, true},
};

void fillAgenda(Connection& c) {
    RowWriter w(
        c, QStringLiteral("Scadenze"),
        {"Codice_Pra", "Codice_Cli", "Parti", "Data_Start", "Data_End", "Ora", "Scadenza", "Note", "Priorita",
         "IsMemo", "IsUdienza", "Effettuato", "IsScadImpugnazione", "IdResponsabile", "Responsabile"});
    for (const Entry& e : kAgenda) {
        const CaseSummary parties = caseSummary(e.pratica);
        w({e.pratica, parties.cliente, parties.parti, orNull(e.inizio), e.fine, e.ora, e.scadenza, "",
           e.priorita, e.inizio.isValid(), e.udienza, e.effettuato, e.impugnazione, e.responsabile,
           userName(e.responsabile)});
    }
}

void fillActivities(Connection& c) {
    RowWriter w(c, QStringLiteral("Azioni"),
                {"IdPra", "IdUtente", "Data", "Descrizione", "Minuti", "bFattura", "Imponibili", "Esenti",
                 "Valuta", "Cambio"});
    w({kPraEsposito, kUtenteGatti, QDate(2023, 2, 16), "Versamento del contributo unificato", 0, true, 0, 237,
       "EURO", 1});
    w({kPraEsposito, kUtenteGatti, QDate(2023, 3, 1), "Spese di notifica dell'atto di citazione", 0, false, 0,
       27.80, "EURO", 1});
    w({kPraEsposito, kUtenteRossi, QDate(2024, 3, 12), "Partecipazione all'udienza di prima comparizione",
       120, false, 0, 0, "EURO", 1});
    w({kPraEdilnord, kUtenteBianchi, QDate(2024, 1, 23), "Versamento del contributo unificato", 0, false, 0,
       259, "EURO", 1});
    w({kPraEdilnord, kUtenteBianchi, QDate(2024, 3, 20), "Copie autentiche e formula esecutiva", 0, false, 0,
       48.60, "EURO", 1});
    w({kPraDellOrto, kUtenteBianchi, QDate(1999, 5, 12), "Diritti di cancelleria", 0, false, 0, 120000,
       "LIRA", kLiraEuro});
    w({kPraDAmico, kUtenteGatti, QDate(2024, 10, 10), "Spese di notifica del pignoramento", 0, false, 0,
       18.20, "EURO", 1});
    w({kPraCantu, kUtenteRossi, QDate(2025, 1, 20), "Traduzione giurata del contratto di fornitura", 0, false,
       380, 0, "CHF", 1});
}

/// Court-fee payments: 0 postal bulletin, 1 revenue stamps, 2 form F23.
void fillPayments(Connection& c) {
    RowWriter w(
        c, QStringLiteral("EstremiPagamento"),
        {"R_Id_Pratica", "TipoPagamento", "Importo", "Data", "CodMarcaL", "CodUfficioP", "CodBollettinoP"});
    w({kPraEsposito, 1, 200, QDate(2023, 2, 16), "01231489000123", "", ""});
    w({kPraEsposito, 1, 37, QDate(2023, 2, 16), "01231489000124", "", ""});
    w({kPraEdilnord, 0, 259, QDate(2024, 1, 23), "", "24/012", "0452"});
    w({kPraDAngelo, 0, 98, QDate(2024, 6, 4), "", "65/001", "0127"});
    w({kPraTrattoria, 2, 650, QDate(2025, 1, 21), "", "", ""});
    w({kPraCantu, 2, 759, QDate(2025, 1, 14), "", "", ""});
}

}  // namespace

void fillCaseRows(Connection& c) {
    fillAdditionalParties(c);
    fillInvolvedSubjects(c);
    fillAgenda(c);
    fillActivities(c);
    fillPayments(c);
}

}  // namespace tolmo::schema::demo

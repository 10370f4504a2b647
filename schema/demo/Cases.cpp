// The cases of the demo firm: civil, criminal, labour, debt recovery, administrative and
// out-of-court work, in euro, in lire and in a foreign currency, with their criminal rows and the
// firm's lawyers involved.

#include "Cases.h"

#include <QDate>

#include "Firm.h"
#include "Offices.h"
#include "Parties.h"
#include "Rows.h"
#include "Steps.h"
#include "schema/DemoFirm.h"

namespace tolmo::schema::demo {

namespace {

constexpr double kLiraEuro = 1936.27;  // lire per euro, as the case form writes Cambio

struct Case {
    int id;
    const char* posizione;
    int classificatore;
    int cliente;
    int controparte = kAnaNullo;  // kAnaNullo: the counterparty is the free text below
    const char* controCognome = "";
    const char* controNome = "";
    const char* registroGenerale = "";
    const char* ufficio = nullptr;  // office kind at `sede` (see judicialOffice)
    const char* sede = nullptr;
    const char* sezione = "";
    int istruttore = 0;  // registered judge, or 0 with `istruttoreNome`
    const char* istruttoreNome = "";
    const char* oggetto = "";
    const char* codiceOggetto = "";
    int acp = kAnaNullo;  // counterparty's lawyer; kAnaNullo with free-text names
    const char* acpCognome = "";
    const char* acpNome = "";
    int corrispondente = kAnaNullo;
    int contabilita = 0;
    int referente = 0;
    int responsabile = 0;
    int procacciatore = 0;
    int riservataA = 0;
    const char* gruppo = nullptr;
    QDate inizio = {};
    QDate chiusura = {};
    QDate prossimaUdienza = {};
    QDate archiviazione = {};
    const char* stato = "In corso";
    const char* autorita = "";
    int area = 0;
    int tipologia = 0;
    double valore = 0;
    const char* valuta = "EURO";
    double cambio = kLiraEuro;
    int rilevanza = 100;
    const char* collocazione = "";
    const char* note = "";
    QList<QPair<int, QString>> campi = {};  // free field number and text
    bool straordinaria = false;
    const char* tipoContributo = nullptr;
    const char* importoContributo = "";
    bool aDebito = false;
    double sommaIngiunta = 0;
    int tipoTariffa = 0;
    double maggiorazione = 0;
    double flat = 0;
    QList<int> avvocati = {};  // the firm's lawyers involved
    int collegamento = 0;      // key of the group of linked cases
};

const Case kCases[] = {
    {.id = kPraRiservata,
     .posizione = "",
     .classificatore = kClaNessuno,
     .cliente = kAnaNullo,
     .controCognome = ".",
     .oggetto = "Pratica di sistema: non utilizzare",
     .inizio = QDate(2000, 1, 1),
     .stato = ""},
    {.id = kPraEsposito,
     .posizione = "101",
     .classificatore = kClaCivile,
     .cliente = kAnaEspositoGiuseppe,
     .controparte = kAnaAssicuratriceAdriatica,
     .registroGenerale = "4521/2023",
     .ufficio = "TRI",
     .sede = "Napoli",
     .sezione = "XII civile",
     .istruttore = kAnaRinaldiGiovanna,
     .oggetto = "Risarcimento danni da circolazione di veicoli",
     .codiceOggetto = "520001",
     .acp = kAnaGalloStefano,
     .contabilita = kUtenteRossi,
     .referente = kUtenteRossi,
     .responsabile = kUtenteGatti,
     .inizio = QDate(2023, 2, 15),
     .prossimaUdienza = QDate(2025, 10, 14),
     .area = 1,
     .tipologia = 1,
     .valore = 18500,
     .collocazione = "Armadio A, ripiano 2",
     .note = "Sinistro del 12/11/2022 in Via Marina, Napoli. Testimone: sig. Ciro Russo.",
     .campi = {{1, "20/03/2023"},
               {2, "14/06/2023"},
               {3, "545,00"},
               {4, "2"},
               {5, "Dott.ssa Rinaldi"},
               {6, "Mediazione con esito negativo"}},
     .tipoContributo = "VE",
     .importoContributo = "237,00",
     .avvocati = {kUtenteRossi, kUtenteGatti}},
    {.id = kPraEdilnord,
     .posizione = "102",
     .classificatore = kClaRecuperoCrediti,
     .cliente = kAnaEdilnord,
     .controparte = kAnaImmobiliareLeQuerce,
     .registroGenerale = "1873/2024",
     .ufficio = "TRI",
     .sede = "Bergamo",
     .sezione = "IV civile",
     .oggetto = "Decreto ingiuntivo",
     .codiceOggetto = "010001",
     .acp = kAnaFontanaLaura,
     .contabilita = kUtenteBianchi,
     .referente = kUtenteBianchi,
     .responsabile = kUtenteBianchi,
     .procacciatore = kAnaIlPortico,
     .inizio = QDate(2024, 1, 22),
     .area = 1,
     .tipologia = 1,
     .valore = 48750,
     .campi = {{1, "FT 2023/118"}, {2, "31/07/2023"}, {3, "48.750,00"}, {4, "1.243,60"}, {5, "175"}},
     .tipoContributo = "VE",
     .importoContributo = "259,00",
     .sommaIngiunta = 48750,
     .avvocati = {kUtenteBianchi},
     .collegamento = kPraEdilnord},
    {.id = kPraConti,
     .posizione = "103",
     .classificatore = kClaPenale,
     .cliente = kAnaContiElena,
     .controparte = kAnaLombardiRoberto,
     .registroGenerale = "3344/2022 R.G.N.R.",
     .ufficio = "TRI",
     .sede = "Bologna",
     .sezione = "II penale",
     .istruttoreNome = "Dott. Stefano Zanardi",
     .oggetto = "Lesioni personali stradali",
     .acp = kAnaDellAcquaPietro,
     .contabilita = kUtenteFerrari,
     .referente = kUtenteFerrari,
     .responsabile = kUtenteFerrari,
     .gruppo = "PENALE",
     .inizio = QDate(2022, 5, 9),
     .prossimaUdienza = QDate(2025, 11, 4),
     .autorita = "Tribunale in comp. monocratica",
     .area = 1,
     .tipologia = 1,
     .campi = {{1, "Art. 590-bis c.p."}, {2, "12/03/2022"}, {3, "Bologna, Via Emilia Levante"}},
     .avvocati = {kUtenteFerrari, kUtenteGatti}},
    {.id = kPraGreco,
     .posizione = "104",
     .classificatore = kClaPenale,
     .cliente = kAnaGrecoAntonio,
     .controCognome = "Procura della Repubblica di Bari",
     .registroGenerale = "8812/2024 R.G.N.R.",
     .ufficio = "PRO",
     .sede = "Bari",
     .oggetto = "Bancarotta fraudolenta",
     .contabilita = kUtenteFerrari,
     .referente = kUtenteFerrari,
     .responsabile = kUtenteFerrari,
     .inizio = QDate(2024, 9, 2),
     .autorita = "Tribunale in comp. collegiale",
     .area = 1,
     .tipologia = 1,
     .rilevanza = 150,
     .campi = {{1, "Art. 216 L.F."}, {2, "15/03/2021"}, {3, "Bari"}, {4, "Nessuna"}},
     .straordinaria = true,
     .tipoTariffa = 1,
     .maggiorazione = 20,
     .avvocati = {kUtenteFerrari}},
    {.id = kPraBianco,
     .posizione = "105",
     .classificatore = kClaLavoro,
     .cliente = kAnaBiancoAlessandro,
     .controparte = kAnaBancaPopolareLario,
     .registroGenerale = "987/2024",
     .ufficio = "TRI",
     .sede = "Torino",
     .sezione = "Lavoro",
     .istruttoreNome = "Dott. Carlo Ferrero",
     .oggetto = "Impugnazione del licenziamento",
     .codiceOggetto = "610001",
     .acp = kAnaFontanaLaura,
     .contabilita = kUtenteColombo,
     .referente = kUtenteColombo,
     .responsabile = kUtenteColombo,
     .inizio = QDate(2024, 3, 11),
     .prossimaUdienza = QDate(2025, 10, 2),
     .area = 1,
     .tipologia = 1,
     .valore = 35000,
     .campi = {{1, "Banca Popolare del Lario S.c.p.A."},
               {2, "01/09/2015"},
               {3, "29/02/2024"},
               {4, "2.850,00"},
               {5, "3"},
               {6, "CCNL Credito"}},
     .tipoContributo = "ES",
     .importoContributo = "0,00",
     .tipoTariffa = 3,
     .flat = 3500,
     .avvocati = {kUtenteColombo}},
    {.id = kPraDAngelo,
     .posizione = "106",
     .classificatore = kClaFamiglia,
     .cliente = kAnaDAngeloMaria,
     .controCognome = "Pace",
     .controNome = "Lorenzo",
     .registroGenerale = "2210/2024",
     .ufficio = "TRI",
     .sede = "Pescara",
     .oggetto = "Separazione giudiziale",
     .codiceOggetto = "550001",
     .acpCognome = "Di Nardo",
     .acpNome = "Federica",
     .contabilita = kUtenteBianchi,
     .referente = kUtenteBianchi,
     .responsabile = kUtenteBianchi,
     .riservataA = kUtenteBianchi,
     .inizio = QDate(2024, 6, 3),
     .stato = "Sospesa",
     .area = 1,
     .tipologia = 1,
     .note = "Procedimento sospeso in attesa di esito del percorso di mediazione familiare.",
     .campi = {{1, "14/09/2008"},
               {2, "2"},
               {3, "1.200,00"},
               {11, "Assegnata alla moglie"},
               {12, "Comunione dei beni"}},
     .tipoContributo = "VE",
     .importoContributo = "98,00",
     .avvocati = {kUtenteBianchi}},
    {.id = kPraTrattoria,
     .posizione = "107",
     .classificatore = kClaAmministrativo,
     .cliente = kAnaTrattoriaDaGino,
     .controCognome = "Comune di Firenze",
     .registroGenerale = "112/2025",
     .ufficio = "TAR",
     .sede = "Firenze",
     .sezione = "II",
     .oggetto = "Ricorso avverso ordinanza di chiusura dell'esercizio",
     .contabilita = kUtenteRossi,
     .referente = kUtenteRossi,
     .responsabile = kUtenteRossi,
     .inizio = QDate(2025, 1, 20),
     .prossimaUdienza = QDate(2025, 11, 19),
     .area = 1,
     .tipologia = 1,
     .campi = {{11, "Comune di Firenze"}, {12, "08/01/2025"}, {13, "112/2025"}, {14, "650,00"}},
     .tipoContributo = "VE",
     .importoContributo = "650,00",
     .tipoTariffa = 2,
     .maggiorazione = -10,
     .avvocati = {kUtenteRossi}},
    {.id = kPraDellOrto,
     .posizione = "108/A",
     .classificatore = kClaCivile,
     .cliente = kAnaDellOrtoChiara,
     .controparte = kAnaMarinoFrancesca,
     .registroGenerale = "31877/1999",
     .ufficio = "TRI",
     .sede = "Milano",
     .sezione = "IV civile",
     .oggetto = "Divisione ereditaria",
     .codiceOggetto = "540001",
     .acpCognome = "Sciortino",
     .acpNome = "Gaetano",
     .contabilita = kUtenteBianchi,
     .referente = kUtenteBianchi,
     .responsabile = kUtenteBianchi,
     .inizio = QDate(1999, 5, 10),
     .chiusura = QDate(2003, 6, 30),
     .archiviazione = QDate(2004, 1, 15),
     .stato = "Archiviata",
     .area = 1,
     .tipologia = 1,
     .valore = 250000000,
     .valuta = "LIRA",
     .collocazione = "Archivio storico, scaffale B3",
     .note = "Pratica in lire: divisione dell'eredità Dell'Orto, conclusa con sentenza n. 7714/2003.",
     .avvocati = {kUtenteBianchi}},
    {.id = kPraDAmico,
     .posizione = "109",
     .classificatore = kClaRecuperoCrediti,
     .cliente = kAnaEdilnord,
     .controparte = kAnaDAmicoSalvatore,
     .registroGenerale = "2391/2024 R.G.E.",
     .ufficio = "TRI",
     .sede = "Catania",
     .sezione = "VI civile - Esecuzioni",
     .oggetto = "Espropriazione presso terzi",
     .codiceOggetto = "710001",
     .corrispondente = kAnaCarusoGiovanni,
     .contabilita = kUtenteBianchi,
     .referente = kUtenteBianchi,
     .responsabile = kUtenteGatti,
     .inizio = QDate(2024, 10, 7),
     .stato = "Sospesa",
     .area = 3,
     .tipologia = 1,
     .valore = 7800,
     .campi = {{1, "FT 2024/032"}, {2, "15/02/2024"}, {3, "7.800,00"}},
     .tipoContributo = "NV",
     .importoContributo = "98,00",
     .aDebito = true,
     .avvocati = {kUtenteBianchi, kUtenteGatti},
     .collegamento = kPraEdilnord},
    {.id = kPraCantu,
     .posizione = "110",
     .classificatore = kClaCivile,
     .cliente = kAnaCantuNiccolo,
     .controparte = kAnaAlpentrade,
     .registroGenerale = "884/2025",
     .ufficio = "TRI",
     .sede = "Como",
     .oggetto = "Inadempimento contrattuale",
     .codiceOggetto = "530001",
     .contabilita = kUtenteRossi,
     .referente = kUtenteRossi,
     .responsabile = kUtenteRossi,
     .inizio = QDate(2025, 1, 13),
     .area = 1,
     .tipologia = 1,
     .valore = 120000,
     .valuta = "CHF",
     .cambio = 0.9412,
     .note = "Fornitura di macchinari non conforme; contratto regolato dalla legge italiana.",
     .tipoContributo = "VE",
     .importoContributo = "759,00",
     .avvocati = {kUtenteRossi, kUtenteBianchi}},
    {.id = kPraCattaneo,
     .posizione = "111",
     .classificatore = kClaLavoro,
     .cliente = kAnaCattaneoMarta,
     .controparte = kAnaImmobiliareLeQuerce,
     .registroGenerale = "402/2025",
     .ufficio = "TRI",
     .sede = "Varese",
     .sezione = "Lavoro",
     .oggetto = "Differenze retributive",
     .codiceOggetto = "610002",
     .contabilita = kUtenteColombo,
     .referente = kUtenteColombo,
     .responsabile = kUtenteColombo,
     .gruppo = "LAVORO",
     .inizio = QDate(2025, 2, 17),
     .prossimaUdienza = QDate(2025, 12, 9),
     .area = 1,
     .tipologia = 1,
     .valore = 14200,
     .campi = {{1, "Immobiliare Le Querce S.r.l."},
               {2, "01/03/2019"},
               {4, "1.780,00"},
               {5, "5"},
               {6, "CCNL Commercio"}},
     .tipoContributo = "NV",
     .importoContributo = "118,50",
     .avvocati = {kUtenteColombo}},
    {.id = kPraSantoro,
     .posizione = "112",
     .classificatore = kClaStragiudiziale,
     .cliente = kAnaSantoroDavide,
     .controCognome = ".",
     .oggetto = "Assistenza nella cessione di quote societarie",
     .contabilita = kUtenteRossi,
     .referente = kUtenteRossi,
     .responsabile = kUtenteRossi,
     .procacciatore = kAnaFerriMassimo,
     .inizio = QDate(2025, 3, 3),
     .area = 2,
     .tipologia = 2,
     .valore = 85000,
     .tipoTariffa = 3,
     .flat = 4000,
     .avvocati = {kUtenteRossi, kUtenteBianchi}},
    {.id = kPraDeLuca,
     .posizione = "113",
     .classificatore = kClaPenale,
     .cliente = kAnaDeLucaAnna,
     .controCognome = ".",
     .registroGenerale = "10234/2021 R.G.N.R.",
     .ufficio = "CDA",
     .sede = "Roma",
     .sezione = "III penale",
     .oggetto = "Furto aggravato",
     .contabilita = kUtenteFerrari,
     .referente = kUtenteFerrari,
     .responsabile = kUtenteFerrari,
     .inizio = QDate(2023, 10, 2),
     .prossimaUdienza = QDate(2025, 12, 3),
     .autorita = "Corte d'Appello",
     .area = 1,
     .tipologia = 5,
     .campi = {{1, "Artt. 624 e 625 c.p."}, {2, "04/05/2021"}, {3, "Roma, Via del Corso"}},
     .avvocati = {kUtenteFerrari}},
};

/// The criminal row of a case: its columns besides ID_Pra.
struct Criminal {
    int pratica;
    Fields columns;
};

const Criminal kCriminal[] = {
    {kPraConti,
     {{"ID_Fase", 3},
      {"IsParteCivile", true},
      {"NumRGNotDiReato", "3344/2022"},
      {"ModRGNotDiReato_1", "21"},
      {"GIP_1", "Dott. Alberto Ferraresi"},
      {"AvvisoChiusura_1", QDate(2022, 11, 18)},
      {"NumRGGIP_1_2", "1520/2022"},
      {"PM_1_2_3", "Dott.ssa Claudia Morandi"},
      {"AutoritaGiudiziaria_3", "Tribunale Monocratico"},
      {"NumRGDibattimento_3", "2217/2023"},
      {"Sezione_3", "II penale"},
      {"Giudice_3", "Dott. Stefano Zanardi"}}},
    {kPraGreco,
     {{"ID_Fase", 1},
      {"IsParteCivile", false},
      {"NumRGNotDiReato", "8812/2024"},
      {"ModRGNotDiReato_1", "21"},
      {"GIP_1", "Dott. Nicola Lorusso"},
      {"NumRGGIP_1_2", "6123/2024"},
      {"PM_1_2_3", "Dott. Vito Lattanzio"}}},
    {kPraDeLuca,
     {{"ID_Fase", 4},
      {"IsParteCivile", false},
      {"NumRGNotDiReato", "10234/2021"},
      {"ModRGNotDiReato_1", "21"},
      {"PM_1_2_3", "Dott. Fabio Parisi"},
      {"AutoritaGiudiziaria_3", "Tribunale Monocratico"},
      {"NumRGDibattimento_3", "5567/2022"},
      {"Sezione_3", "VII penale"},
      {"Giudice_3", "Dott.ssa Elisa Marconi"},
      {"DataSentenza_3", QDate(2023, 6, 20)},
      {"NumSentenza_3", "7812/2023"},
      {"DepositoMotivazione_3", "Fissato dal giudice"},
      {"TermineDepMotivazione_3", QDate(2023, 9, 18)},
      {"DataDepMotivazione_3", QDate(2023, 9, 12)},
      {"AutoritaGiudiziaria_4", "Corte d'Appello"},
      {"ProcuratoreGenerale_4", "Dott. Giorgio Santini"},
      {"NumRGAppello_4", "4410/2023"},
      {"Sezione_4", "III penale"}}},
};

const Case& demoCase(int id) {
    for (const Case& k : kCases)
        if (k.id == id) return k;
    throw DbError(QStringLiteral("Pratica dimostrativa %1 inesistente.").arg(id),
                  QStringLiteral("tolmo_schema: studio dimostrativo"), -1);
}

QString lawyerNames(const Case& k) {
    QStringList names;
    for (int user : k.avvocati) names << userName(user);
    return names.join(QLatin1Char(','));
}

void fillCase(Connection& c, const Istat& istat, const Case& k) {
    const OfficeChoice office = k.ufficio ? judicialOffice(istat, k.ufficio, k.sede) : OfficeChoice{};
    const QString posizione = QString::fromUtf8(k.posizione);
    Fields row = {
        {"ID_Pra", k.id},
        {"Posizione", posizione},
        {"NumPos", posizione.section(QLatin1Char('/'), 0, 0).toInt()},
        {"ID_Contab", k.contabilita},
        {"ID_Cliente", k.cliente},
        {"ID_Controparte", k.controparte},
        {"ControCognome", k.controCognome},
        {"ControNome", k.controNome},
        {"NumeroRegGenerale", k.registroGenerale},
        {"UfficioGiudiziario", office.ufficio},
        {"CodUfficio", office.codice},
        {"Sezione", k.sezione},
        {"Istruttore", k.istruttore ? partySurname(k.istruttore) : QString::fromUtf8(k.istruttoreNome)},
        {"Id_Istruttore", k.istruttore},
        {"Oggetto", k.oggetto},
        {"CodiceOggetto", k.codiceOggetto},
        {"BitRichiedi", "00"},
        {"ID_Acp", k.acp},
        {"AcpCognome", k.acpCognome},
        {"AcpNome", k.acpNome},
        {"ID_Corrispondente", k.corrispondente},
        {"ID_FatturareA", k.cliente},
        {"ID_Referente", k.referente},
        {"ID_UtenteRiferimento", k.responsabile},
        {"ResponsabileFascicolo", userName(k.responsabile).toUpper()},
        {"ID_UtenteProcacciatore", k.procacciatore},
        {"ID_Riservata", k.riservataA},
        {"Fk_Gruppo", orNull(k.gruppo)},
        {"DataInizio", orNull(k.inizio)},
        {"DataChiusura", orNull(k.chiusura)},
        {"Data_ProxUdienza", orNull(k.prossimaUdienza)},
        {"Data_Arc", orNull(k.archiviazione)},
        {"Stato", k.stato},
        {"ID_Cla", k.classificatore},
        {"Autorita", k.autorita},
        {"R_IdArea", k.area},
        {"R_IdTipologia", k.tipologia},
        {"Valore", k.valore},
        {"Valuta", k.valuta},
        {"Cambio", k.cambio},
        {"Rilevanza", k.rilevanza},
        {"Collocazione", k.collocazione},
        {"Note", k.note},
        {"IsStraordinariaImportanza", k.straordinaria},
        {"TipoContributo", orNull(k.tipoContributo)},
        {"ImportoContributo", importoOrNull(k.importoContributo)},
        {"A_Debito", k.aDebito},
        {"SommaIngiunta", k.sommaIngiunta},
        {"TipoTariffa", k.tipoTariffa},
        {"Maggiorazione", k.maggiorazione},
        {"Flat", k.flat},
        {"AvvCoinvolti", lawyerNames(k)},
        {"R_IdCollegamento", k.collegamento},
    };
    for (int n = 1; n <= 20; ++n) {
        QString text;
        for (const auto& [field, value] : k.campi)
            if (field == n) text = value;
        row.append({QStringLiteral("Campo%1").arg(n), text});
    }
    insertRow(c, QStringLiteral("Pratica"), row);

    RowWriter lawyers(c, QStringLiteral("R_PraUte"), {"id_PraSel", "id_AvvSel", "NomeAvv"});
    for (int user : k.avvocati) lawyers({k.id, user, userName(user)});
}

void fillCriminal(Connection& c, int id, const Criminal& p) {
    Fields row = {{"ID_PraPenale", id}, {"ID_Pra", p.pratica}};
    row += p.columns;
    insertRow(c, QStringLiteral("PraPenale"), row);
}

}  // namespace

CaseSummary caseSummary(int id) {
    const Case& k = demoCase(id);
    const QString controparte =
        k.controparte == kAnaNullo ? QString::fromUtf8(k.controCognome) : partySurname(k.controparte);
    return {k.cliente, k.contabilita, partySurname(k.cliente) + QLatin1Char('\\') + controparte};
}

void fillCases(Connection& c, const Istat& istat, Scope scope) {
    for (const Case& k : kCases)
        if (scope == Scope::Demo || k.id == kPraRiservata) fillCase(c, istat, k);
    if (scope == Scope::Base) return;
    int id = 0;
    for (const Criminal& p : kCriminal) fillCriminal(c, ++id, p);
}

}  // namespace tolmo::schema::demo

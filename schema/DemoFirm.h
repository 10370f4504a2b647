#pragma once
// Key rows of the demo firm ("Studio Legale Associato Rossi Bianchi", Roma), for tests and tools
// that work on a database created by createDemoFirm. The firm is the same every time.

namespace tolmo::schema::demo {

// Users (Utenti.Id_Utente). Accounting owners (TitContabilita): Rossi, Bianchi, Ferrari, Colombo.
constexpr int kUtenteAmministratore = 1;  ///< administrator; only in the group TUTTI
constexpr int kUtenteRossi = 2;           ///< senior partner; sees every party
constexpr int kUtenteBianchi = 3;         ///< partner
constexpr int kUtenteFerrari = 4;         ///< criminal lawyer
constexpr int kUtenteGatti = 5;           ///< trainee: AML code, no VAT number, no accounts
constexpr int kUtenteRomano = 6;          ///< secretary
constexpr int kUtenteColombo = 7;         ///< labour lawyer
constexpr int kUtenteRicci = 8;           ///< administration
constexpr int kUtenti = 8;

// Groups (Gruppi.ID_Gruppo; the name is what Fk_Gruppo and fkGruppo store).
constexpr int kGruppoTutti = 1;  ///< "TUTTI"
constexpr int kGruppoSegreteria = 2;
constexpr int kGruppoCivile = 3;
constexpr int kGruppoPenale = 4;
constexpr int kGruppoLavoro = 5;
constexpr int kGruppoSoci = 6;

// Classifiers (Classificatore.ID_Cla).
constexpr int kClaNessuno = 1;  ///< no classifier
constexpr int kClaCivile = 2;
constexpr int kClaPenale = 3;  ///< Descrizione 'PENALE'
constexpr int kClaLavoro = 4;
constexpr int kClaRecuperoCrediti = 5;
constexpr int kClaAmministrativo = 6;  ///< free fields 11-20 only
constexpr int kClaStragiudiziale = 7;  ///< no free fields
constexpr int kClaFamiglia = 8;        ///< free fields on both pages

// Parties (Anagrafica.ID_Ana) by category.
constexpr int kAnaNullo = 1;  ///< the placeholder for no registered party ("NULLO")
// 'Cliente'
constexpr int kAnaEspositoGiuseppe = 2;
constexpr int kAnaDAngeloMaria = 3;
constexpr int kAnaBiancoAlessandro = 4;
constexpr int kAnaDellOrtoChiara = 5;   ///< reserved to user 3
constexpr int kAnaGrecoAntonio = 6;     ///< StatoPolis 2
constexpr int kAnaContiElena = 7;       ///< reserved to the group "PENALE"
constexpr int kAnaEdilnord = 8;         ///< company
constexpr int kAnaTrattoriaDaGino = 9;  ///< company
constexpr int kAnaCantuNiccolo = 10;
constexpr int kAnaCattaneoMarta = 11;  ///< reserved to the group "LAVORO"
constexpr int kAnaEspositoCarmela = 33;
// 'Controparte'
constexpr int kAnaAssicuratriceAdriatica = 12;
constexpr int kAnaLombardiRoberto = 13;
constexpr int kAnaBancaPopolareLario = 14;
constexpr int kAnaMarinoFrancesca = 15;
constexpr int kAnaImmobiliareLeQuerce = 16;
constexpr int kAnaDAmicoSalvatore = 17;  ///< StatoPolis 3
constexpr int kAnaAlpentrade = 18;       ///< foreign company
constexpr int kAnaTestaRoberta = 19;
// 'AVV. C/P'
constexpr int kAnaGalloStefano = 20;
constexpr int kAnaFontanaLaura = 21;
constexpr int kAnaDellAcquaPietro = 22;
// 'Corrispondente'
constexpr int kAnaCarusoGiovanni = 23;
constexpr int kAnaBarbieriSilvia = 24;
// 'Istruttore'
constexpr int kAnaManciniPaolo = 25;
constexpr int kAnaRinaldiGiovanna = 26;
// 'PROCACCIATORE'
constexpr int kAnaFerriMassimo = 27;
constexpr int kAnaIlPortico = 28;  ///< company
// no category (NULL)
constexpr int kAnaSantoroDavide = 29;
constexpr int kAnaDeLucaAnna = 30;
constexpr int kAnaPellegriniMarco = 31;
constexpr int kAnaVillaGiorgio = 32;  ///< reserved to user 4
constexpr int kAnaMarchettiLuigi = 34;
constexpr int kAnagrafiche = 34;

// Cases (Pratica.ID_Pra) and their positions. The next automatic position is 114.
constexpr int kPraRiservata = 1;  ///< never offered in look-ups
constexpr int kPraEsposito = 2;   ///< "101" civil, 520001, court fee paid with stamps
constexpr int kPraEdilnord = 3;   ///< "102" debt recovery, 010001 injunction; linked with 10
constexpr int kPraConti = 4;      ///< "103" criminal, phase 3, reserved to "PENALE"
constexpr int kPraGreco = 5;      ///< "104" criminal, phase 1, free-text counterparty
constexpr int kPraBianco = 6;     ///< "105" labour, 610001, exempt fee, flat tariff
constexpr int kPraDAngelo = 7;    ///< "106" family, reserved to user 3
constexpr int kPraTrattoria = 8;  ///< "107" administrative (fields 11-20), F23
constexpr int kPraDellOrto = 9;   ///< "108/A" archived, in lire
constexpr int kPraDAmico = 10;    ///< "109" enforcement, correspondent; linked with 3
constexpr int kPraCantu = 11;     ///< "110" civil in CHF, invoices in CHF and USD
constexpr int kPraCattaneo = 12;  ///< "111" labour, reserved to "LAVORO"
constexpr int kPraSantoro = 13;   ///< "112" out of court, registered in the AML archive
constexpr int kPraDeLuca = 14;    ///< "113" criminal, phase 4
constexpr int kPratiche = 14;

}  // namespace tolmo::schema::demo

#include "Vocabulary.h"

namespace tolmo::bench::vocabulary {

const QList<QString>& surnames() {
    static const QList<QString> list = {
        "Rossi",      "Russo",     "Ferrari",   "Esposito",   "Bianchi",        "Romano",      "Colombo",
        "Ricci",      "Marino",    "Greco",     "Bruno",      "Gallo",          "Conti",       "De Luca",
        "Mancini",    "Costa",     "Giordano",  "Rizzo",      "Lombardi",       "Moretti",     "Barbieri",
        "Fontana",    "Santoro",   "Mariani",   "Rinaldi",    "Caruso",         "Ferrara",     "Galli",
        "Martini",    "Leone",     "Longo",     "Gentile",    "Martinelli",     "Vitale",      "Lombardo",
        "Serra",      "Coppola",   "De Santis", "D'Angelo",   "Marchetti",      "Parisi",      "Villa",
        "Conte",      "Ferraro",   "Ferri",     "Fabbri",     "Bianco",         "Marini",      "Grasso",
        "Valentini",  "Messina",   "Sala",      "De Angelis", "Gatti",          "Pellegrini",  "Palumbo",
        "Sanna",      "Farina",    "Rizzi",     "Monti",      "Cattaneo",       "Morelli",     "Amato",
        "Silvestri",  "Mazza",     "Testa",     "Grassi",     "Pellegrino",     "Carbone",     "Giuliani",
        "Benedetti",  "Barone",    "Rossetti",  "Caputo",     "Montanari",      "Guerra",      "Palmieri",
        "Bernardi",   "Martino",   "Fiore",     "De Rosa",    "Ferretti",       "Bellini",     "Basile",
        "Riva",       "Donati",    "Piras",     "Vitali",     "Battaglia",      "Sartori",     "Neri",
        "Costantini", "Milani",    "Pagano",    "Ruggiero",   "Sorrentino",     "D'Amico",     "Orlando",
        "Damico",     "Negri",     "Mattei",    "Bassi",      "Cirillo",        "Marra",       "Lucchesi",
        "Zanetti",    "Zanella",   "Bertolini", "Pace",       "Ferrante",       "Melis",       "Cocco",
        "Brambilla",  "Fumagalli", "Pozzi",     "Caccia",     "Esposito Abate", "Dell'Aquila", "La Rosa",
        "Lo Russo",
    };
    return list;
}

const QList<QString>& maleNames() {
    static const QList<QString> list = {
        "Giuseppe", "Giovanni",  "Antonio",  "Mario",    "Luigi",    "Francesco",  "Angelo",   "Vincenzo",
        "Pietro",   "Salvatore", "Carlo",    "Franco",   "Domenico", "Bruno",      "Paolo",    "Michele",
        "Giorgio",  "Aldo",      "Sergio",   "Luciano",  "Marco",    "Alessandro", "Andrea",   "Stefano",
        "Roberto",  "Massimo",   "Fabio",    "Davide",   "Matteo",   "Lorenzo",    "Leonardo", "Niccolò",
        "Tommaso",  "Riccardo",  "Federico", "Gabriele", "Emanuele", "Simone",     "Nicola",   "Raffaele",
    };
    return list;
}

const QList<QString>& femaleNames() {
    static const QList<QString> list = {
        "Maria",   "Anna",     "Giuseppina", "Rosa",       "Angela",  "Giovanna",   "Teresa",   "Lucia",
        "Carmela", "Caterina", "Francesca",  "Antonietta", "Elena",   "Laura",      "Paola",    "Giulia",
        "Chiara",  "Sara",     "Valentina",  "Federica",   "Silvia",  "Alessandra", "Martina",  "Sofia",
        "Aurora",  "Alice",    "Ginevra",    "Beatrice",   "Emma",    "Greta",      "Noemi",    "Ilaria",
        "Roberta", "Simona",   "Barbara",    "Cristina",   "Daniela", "Monica",     "Patrizia", "Nicoletta",
    };
    return list;
}

const QList<QString>& streetKinds() {
    static const QList<QString> list = {"Via", "Via", "Via", "Viale", "Piazza", "Corso", "Largo", "Vicolo"};
    return list;
}

const QList<QString>& streetNames() {
    static const QList<QString> list = {
        "Roma",
        "Garibaldi",
        "Mazzini",
        "Cavour",
        "Vittorio Emanuele II",
        "Dante Alighieri",
        "Marconi",
        "XX Settembre",
        "IV Novembre",
        "Matteotti",
        "Gramsci",
        "della Repubblica",
        "San Francesco",
        "Verdi",
        "Manzoni",
        "dei Mille",
        "Leopardi",
        "Kennedy",
        "della Libertà",
        "Carducci",
        "Nazionale",
        "Umberto I",
        "Colombo",
        "Pascoli",
        "Don Minzoni",
        "Aldo Moro",
        "delle Rose",
        "dei Tigli",
        "del Popolo",
        "Trieste",
    };
    return list;
}

const QList<QString>& companyForms() {
    static const QList<QString> list = {"S.r.l.", "S.r.l.", "S.r.l.",   "S.p.A.",
                                        "S.n.c.", "S.a.s.", "S.r.l.s.", "Soc. Coop."};
    return list;
}

const QList<QString>& trades() {
    static const QList<QString> list = {"Costruzioni", "Immobiliare", "Trasporti",  "Edilizia",  "Impianti",
                                        "Commerciale", "Servizi",     "Alimentari", "Meccanica", "Tessile"};
    return list;
}

const QList<CaseSubject>& caseSubjects() {
    static const QList<CaseSubject> list = {
        {"010001", "Risarcimento danni da circolazione stradale"},
        {"010002", "Risarcimento danni da responsabilità professionale"},
        {"020001", "Recupero crediti - decreto ingiuntivo"},
        {"020002", "Opposizione a decreto ingiuntivo"},
        {"030001", "Separazione consensuale"},
        {"030002", "Divorzio giudiziale"},
        {"030003", "Affidamento e mantenimento dei figli"},
        {"040001", "Sfratto per morosità"},
        {"040002", "Locazione - risoluzione del contratto"},
        {"050001", "Impugnazione di licenziamento"},
        {"050002", "Differenze retributive"},
        {"060001", "Successione ereditaria - divisione"},
        {"060002", "Impugnazione di testamento"},
        {"070001", "Condominio - impugnazione di delibera assembleare"},
        {"080001", "Appalto - vizi dell'opera"},
        {"090001", "Esecuzione immobiliare"},
        {"090002", "Pignoramento presso terzi"},
        {"100001", "Diffamazione a mezzo stampa"},
        {"100002", "Lesioni personali colpose"},
        {"110001", "Ricorso avverso cartella esattoriale"},
    };
    return list;
}

const QList<QString>& courts() {
    static const QList<QString> list = {"Tribunale di",
                                        "Tribunale di",
                                        "Tribunale di",
                                        "Giudice di Pace di",
                                        "Corte d'Appello di",
                                        "Tribunale per i Minorenni di",
                                        "TAR"};
    return list;
}

const QList<QString>& agendaEntries() {
    static const QList<QString> list = {
        "Udienza di prima comparizione",
        "Udienza di trattazione",
        "Udienza di precisazione delle conclusioni",
        "Udienza per l'assunzione dei mezzi di prova",
        "Deposito memoria ex art. 183 comma 6 n. 1 c.p.c.",
        "Deposito memoria ex art. 183 comma 6 n. 2 c.p.c.",
        "Deposito comparsa conclusionale",
        "Deposito memoria di replica",
        "Termine per l'appello",
        "Notifica atto di citazione",
        "Iscrizione a ruolo",
        "Incontro con il cliente",
        "Richiamare la controparte",
        "Scadenza pagamento contributo unificato",
        "Mediazione - primo incontro",
        "Perizia del CTU",
    };
    return list;
}

const QList<QString>& invoiceDescriptions() {
    static const QList<QString> list = {
        "Acconto su competenze",
        "Competenze per attività stragiudiziale",
        "Competenze per la fase di studio e introduttiva",
        "Competenze per la fase istruttoria",
        "Competenze per la fase decisionale",
        "Saldo competenze",
        "Rimborso spese anticipate",
    };
    return list;
}

const QList<QString>& caseStates() {
    static const QList<QString> list = {"Aperta",  "Aperta", "Aperta",    "In attesa",
                                        "Sospesa", "Chiusa", "Archiviata"};
    return list;
}

}  // namespace tolmo::bench::vocabulary

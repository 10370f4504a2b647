// Classifiers with their free fields, areas, typologies, case states, criminal phases,
// qualifications and the unified court fee brackets.

#include "Rows.h"
#include "Steps.h"
#include "schema/DemoFirm.h"

namespace tolmo::schema::demo {

namespace {

/// A free field of a classifier: its number (1-20), caption and kind ("1" date, "2" money,
/// "3" number, "" text).
struct Field {
    int n;
    const char* caption;
    const char* kind;
};

struct Classifier {
    int id;
    const char* descrizione;
    const char* areaGamma;
    QList<Field> fields;
};

const Classifier kClassifiers[] = {
    {kClaNessuno, "NESSUNO", "", {}},
    {kClaCivile,
     "CIVILE",
     "CIV",
     {{1, "Data notifica citazione", "1"},
      {2, "Data prima udienza", "1"},
      {3, "Spese anticipate", "2"},
      {4, "Numero testimoni", "3"},
      {5, "Giudice relatore", ""},
      {6, "Esito mediazione", ""}}},
    {kClaPenale,
     "PENALE",
     "PEN",
     {{1, "Reato contestato", ""},
      {2, "Data del fatto", "1"},
      {3, "Luogo del fatto", ""},
      {4, "Misura cautelare", ""},
      {5, "Cauzione", "2"}}},
    {kClaLavoro,
     "LAVORO",
     "LAV",
     {{1, "Datore di lavoro", ""},
      {2, "Data assunzione", "1"},
      {3, "Data cessazione", "1"},
      {4, "Retribuzione mensile", "2"},
      {5, "Livello CCNL", "3"},
      {6, "CCNL applicato", ""}}},
    {kClaRecuperoCrediti,
     "RECUPERO CREDITI",
     "REC",
     {{1, "Numero fattura", ""},
      {2, "Data fattura", "1"},
      {3, "Importo credito", "2"},
      {4, "Interessi maturati", "2"},
      {5, "Giorni di ritardo", "3"}}},
    {kClaAmministrativo,
     "AMMINISTRATIVO",
     "AMM",
     {{11, "Ente resistente", ""},
      {12, "Data provvedimento", "1"},
      {13, "Numero ricorso", ""},
      {14, "Contributo versato", "2"}}},
    {kClaStragiudiziale, "STRAGIUDIZIALE", "STR", {}},
    {kClaFamiglia,
     "FAMIGLIA",
     "FAM",
     {{1, "Data matrimonio", "1"},
      {2, "Figli minori", "3"},
      {3, "Assegno di mantenimento", "2"},
      {11, "Casa coniugale", ""},
      {12, "Regime patrimoniale", ""}}},
};

void fillClassifiers(Connection& c) {
    QStringList columns = {"ID_Cla", "Descrizione", "Racc_AreaPracticeGamma"};
    for (int n = 1; n <= 20; ++n)
        columns << QStringLiteral("Campo%1").arg(n) << QStringLiteral("TipoCampo%1").arg(n);
    RowWriter w(c, QStringLiteral("Classificatore"), columns);
    for (const Classifier& k : kClassifiers) {
        QVariantList row = {k.id, k.descrizione, k.areaGamma};
        for (int n = 1; n <= 20; ++n) {
            QString caption, kind;
            for (const Field& f : k.fields)
                if (f.n == n) caption = QString::fromUtf8(f.caption), kind = QString::fromUtf8(f.kind);
            row << caption << kind;
        }
        w(row);
    }
}

/// Rows of (id, text) into a two-column catalogue.
void fillPairs(Connection& c, const QString& table, const QStringList& columns, const QStringList& texts) {
    RowWriter w(c, table, columns);
    for (int i = 0; i < texts.size(); ++i) w({i + 1, texts[i]});
}

void fillStates(Connection& c) {
    // "In corso" comes first: a new case starts in it.
    RowWriter w(c, QStringLiteral("StatiPratica"), {"ID_Stato", "StatoPrat", "Racc_StatoGamma"});
    w({1, "In corso", "ATT"});
    w({2, "Sospesa", "SOS"});
    w({3, "Transatta", "TRA"});
    w({4, "Chiusa", "CHI"});
    w({5, "Archiviata", "ARC"});
}

void fillPhases(Connection& c) {
    const QStringList phases = {"Indagini Preliminari", "Udienza Preliminare", "Primo Grado", "Appello",
                                "Cassazione"};
    RowWriter w(c, QStringLiteral("PraPenaleFasi"), {"id_fase", "fase", "NumFase"});
    for (int i = 0; i < phases.size(); ++i) w({i + 1, phases[i], i + 1});
}

void fillQualifications(Connection& c) {
    const QList<QPair<QString, QString>> rows = {
        {"IND", "Indagato"},
        {"IMP", "Imputato"},
        {"PO", "Persona offesa"},
        {"PC", "Parte civile"},
        {"RC", "Responsabile civile"},
        {"TES", "Testimone"},
        {"CTU", "Consulente tecnico d'ufficio"},
        {"CTP", "Consulente tecnico di parte"},
        {"LR", "Legale rappresentante"},
        {"ERE", "Erede"},
        {"FID", "Fideiussore"},
        {"TUT", "Tutore"},
        {"ADS", "Amministratore di sostegno"},
        {"CUR", "Curatore fallimentare"},
        {"TP", "Terzo pignorato"},
    };
    RowWriter w(c, QStringLiteral("TabQualifiche"), {"ID", "COD", "Qualifica"});
    for (int i = 0; i < rows.size(); ++i) w({i + 1, rows[i].first, rows[i].second});
}

/// The unified court fee brackets in force (D.P.R. 115/2002, art. 13), by case value in euro.
void fillCourtFees(Connection& c) {
    struct Bracket {
        double over, upTo, fee;
    };
    const Bracket brackets[] = {
        {0, 1100, 43},
        {1100, 5200, 98},
        {5200, 26000, 237},
        {26000, 52000, 518},
        {52000, 260000, 759},
        {260000, 520000, 1214},
        {520000, 999999999999.0, 1686},
    };
    RowWriter w(c, QStringLiteral("ScaglioniContributo"), {"ID", "Maggiore", "MinoreUguale", "Valore"});
    int id = 0;
    for (const Bracket& b : brackets) w({++id, b.over, b.upTo, b.fee});
}

}  // namespace

void fillCatalogues(Connection& c) {
    fillClassifiers(c);
    fillPairs(
        c, QStringLiteral("SottoClassificazione"), {"ID_Area", "DescrizioneArea"},
        {"Contenzioso", "Consulenza", "Esecuzioni", "Arbitrato", "Mediazione e negoziazione assistita"});
    fillPairs(c, QStringLiteral("TipologiaPratica"), {"ID_Tipologia", "Tipologia"},
              {"Giudiziale", "Stragiudiziale", "Domiciliazione", "Parere", "Patrocinio a spese dello Stato",
               "Consulenza continuativa"});
    fillStates(c);
    fillPhases(c);
    fillQualifications(c);
    fillCourtFees(c);
}

}  // namespace tolmo::schema::demo

// The catalogue of case subjects. Civil codes are register (2 digits), matter (2) and object (2);
// criminal subjects carry no code and IdRuolo, IdMateria, IdOggetto all 0.

#include "Rows.h"
#include "Steps.h"

namespace tolmo::schema::demo {

namespace {

struct Subject {
    const char* codice;
    const char* oggetto;
    const char* ruolo;
    const char* materia;
    int idRuolo, idMateria, idOggetto;
};

const char* const kSpeciali = "PROCEDIMENTI SPECIALI SOMMARI";
const char* const kContenzioso = "CONTENZIOSO CIVILE";
const char* const kLavoro = "CONTROVERSIE IN MATERIA DI LAVORO";
const char* const kEsecuzioni = "ESECUZIONI";
const char* const kPenale = "PENALE";

const Subject kSubjects[] = {
    // 010001 is the subject that carries an injunction sum.
    {"010001", "Decreto ingiuntivo", kSpeciali, "Procedimento monitorio", 1, 1, 1},
    {"010002", "Decreto ingiuntivo provvisoriamente esecutivo", kSpeciali, "Procedimento monitorio", 1, 1, 2},
    {"010101", "Convalida di sfratto per morosità", kSpeciali, "Convalida di sfratto", 1, 2, 1},
    {"010102", "Convalida di licenza per finita locazione", kSpeciali, "Convalida di sfratto", 1, 2, 2},
    {"010201", "Sequestro conservativo", kSpeciali, "Procedimenti cautelari", 1, 3, 1},
    {"010202", "Provvedimento d'urgenza ex art. 700 c.p.c.", kSpeciali, "Procedimenti cautelari", 1, 3, 2},
    {"510001", "Opposizione a sanzione amministrativa", kContenzioso, "Sanzioni amministrative", 5, 1, 1},
    {"510002", "Opposizione a verbale del Codice della strada", kContenzioso, "Sanzioni amministrative", 5, 1,
     2},
    {"520001", "Risarcimento danni da circolazione di veicoli", kContenzioso,
     "Responsabilità extracontrattuale", 5, 2, 1},
    {"520002", "Risarcimento danni da responsabilità professionale", kContenzioso,
     "Responsabilità extracontrattuale", 5, 2, 2},
    {"530001", "Inadempimento contrattuale", kContenzioso, "Contratti e obbligazioni", 5, 3, 1},
    {"530002", "Opposizione a decreto ingiuntivo", kContenzioso, "Contratti e obbligazioni", 5, 3, 2},
    {"540001", "Divisione ereditaria", kContenzioso, "Successioni", 5, 4, 1},
    {"550001", "Separazione giudiziale", kContenzioso, "Famiglia e persone", 5, 5, 1},
    {"550002", "Divorzio contenzioso", kContenzioso, "Famiglia e persone", 5, 5, 2},
    {"610001", "Impugnazione del licenziamento", kLavoro, "Lavoro subordinato privato", 6, 1, 1},
    {"610002", "Differenze retributive", kLavoro, "Lavoro subordinato privato", 6, 1, 2},
    {"620001", "Prestazioni previdenziali", kLavoro, "Previdenza obbligatoria", 6, 2, 1},
    {"710001", "Espropriazione presso terzi", kEsecuzioni, "Espropriazione mobiliare", 7, 1, 1},
    {"720001", "Espropriazione immobiliare", kEsecuzioni, "Espropriazione immobiliare", 7, 2, 1},
    {"", "Appropriazione indebita", kPenale, "", 0, 0, 0},
    {"", "Bancarotta fraudolenta", kPenale, "", 0, 0, 0},
    {"", "Diffamazione a mezzo stampa", kPenale, "", 0, 0, 0},
    {"", "Furto aggravato", kPenale, "", 0, 0, 0},
    {"", "Guida in stato di ebbrezza", kPenale, "", 0, 0, 0},
    {"", "Lesioni personali stradali", kPenale, "", 0, 0, 0},
    {"", "Truffa", kPenale, "", 0, 0, 0},
};

}  // namespace

void fillSubjects(Connection& c) {
    RowWriter w(
        c, QStringLiteral("OggettoPratica"),
        {"ID_OggettoPratica", "Codice", "Oggetto", "Ruolo", "Materia", "IdRuolo", "IdMateria", "IdOggetto"});
    int id = 0;
    for (const Subject& s : kSubjects)
        w({++id, s.codice, QString::fromUtf8(s.oggetto), s.ruolo, QString::fromUtf8(s.materia), s.idRuolo,
           s.idMateria, s.idOggetto});
}

}  // namespace tolmo::schema::demo

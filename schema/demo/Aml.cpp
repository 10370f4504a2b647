// The anti-money-laundering archive of the demo firm: the service catalogue, the currencies, and
// the registered service of the out-of-court case with its identified subject.

#include <QDate>

#include "Firm.h"
#include "Rows.h"
#include "Steps.h"
#include "schema/DemoFirm.h"

namespace tolmo::schema::demo {

namespace {

void fillServiceTypes(Connection& c) {
    // Services of lawyers and notaries (IsNotaiAvvocati) and of the other professions.
    const QList<QPair<QString, bool>> types = {
        {"Trasferimento a qualsiasi titolo di diritti reali su beni immobili o attività economiche", true},
        {"Gestione di denaro, strumenti finanziari o altri beni", true},
        {"Apertura o gestione di conti bancari, libretti di deposito e conti di titoli", true},
        {"Organizzazione degli apporti necessari alla costituzione, alla gestione o all'amministrazione di "
         "società",
         true},
        {"Costituzione, gestione o amministrazione di società, enti, trust o soggetti giuridici analoghi",
         true},
        {"Operazioni di natura finanziaria o immobiliare in nome o per conto del cliente", true},
        {"Tenuta della contabilità e consulenza fiscale", false},
    };
    RowWriter w(c, QStringLiteral("TipiPrestazione"), {"id_prest", "DescrPrest", "IsNotaiAvvocati"});
    for (int i = 0; i < types.size(); ++i) w({i + 1, types[i].first, types[i].second});

    RowWriter divise(c, QStringLiteral("Divisa"), {"id_divisa", "swift", "DescrDivisa"});
    divise({1, "EUR", "Euro"});
    divise({2, "USD", "Dollaro statunitense"});
    divise({3, "GBP", "Sterlina britannica"});
    divise({4, "CHF", "Franco svizzero"});
    divise({5, "JPY", "Yen giapponese"});
}

/// The transfer of company shares of case 112, identified by the two partners.
void fillRegistration(Connection& c) {
    const QString pivaRossi = userPiva(kUtenteRossi);
    const QString pivaBianchi = userPiva(kUtenteBianchi);

    RowWriter service(c, QStringLiteral("PrestazioniAR"),
                      {"id_prest", "R_IdPra", "ProgressivoAR", "IsFrazionata", "Codice", "CodicePU",
                       "R_IdUte", "DataRegPrest", "IsVerificata", "DivisaPrest", "ImportoPrest",
                       "R_TipoPrest", "IsarchiviatoXML", "StatoRegP", "IsDaSegnalare"});
    service({1, kPraSantoro, kPraSantoro, false, pivaRossi, "AR0002", kUtenteRossi, QDate(2025, 3, 10), true,
             "EUR", 85000, 5, false, 0, true});

    RowWriter identified(c, QStringLiteral("AnagraficaAR"),
                         {"id_ar", "R_Id_Anag", "codiceprof", "AzeroDue", "DataIdentificazione",
                          "TipoDocumento", "NumeroDocumento", "RilasciatoDa"});
    identified({1, kAnaSantoroDavide, pivaRossi, QVariant(), QDate(2025, 3, 3),
                "Carta d'identità elettronica", "CA48211QF", "Comune di Lecce"});
    identified({2, kAnaSantoroDavide, pivaBianchi, "AR0003", QDate(2025, 3, 4), "Passaporto", "YA7730412",
                "Questura di Lecce"});

    RowWriter subjects(c, QStringLiteral("SoggettiAntiRiciclaggio"),
                       {"R_IdPraSAR", "R_IdAnaSAR", "IsDaTrasferire", "R_IdAr", "R_IdPercontoDi"});
    subjects({kPraSantoro, kAnaSantoroDavide, true, 1, QVariant()});

    RowWriter professionals(c, QStringLiteral("R_ProfessionistiCoinvolti"),
                            {"R_IDPratica", "R_IdProf", "R_IdPresAr"});
    professionals({kPraSantoro, kUtenteBianchi, 1});
}

}  // namespace

void fillAml(Connection& c, Scope scope) {
    fillServiceTypes(c);
    if (scope == Scope::Demo) fillRegistration(c);
}

}  // namespace tolmo::schema::demo

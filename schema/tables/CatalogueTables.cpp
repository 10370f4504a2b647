// The catalogues a case is described with.

#include "Columns.h"
#include "Tables.h"

namespace tolmo::schema::def {

namespace {

/// Classifiers: row 1 is no classifier; the one described 'PENALE' marks a criminal case. Campo n
/// is the caption of free field n (empty: not used) and TipoCampo n its kind: "1" date, "2" money,
/// "3" number, anything else text.
TableInfo classificatore() {
    TableInfo t{QStringLiteral("Classificatore"), QStringLiteral("ID_Cla"), {}, {}};
    t.columns = {id("ID_Cla"), blank("Descrizione", 50).required()};
    t.columns += numbered("Campo", 1, 20, [](const QString& n) { return blank(n, 50); });
    t.columns += numbered("TipoCampo", 1, 20, [](const QString& n) { return blank(n, 2); });
    t.columns += blank("Racc_AreaPracticeGamma", 20);  // practice area in the external system
    t.indexes = {indexOn({"Descrizione"})};
    return t;
}

TableInfo sottoClassificazione() {
    return {QStringLiteral("SottoClassificazione"),
            QStringLiteral("ID_Area"),
            {id("ID_Area"), blank("DescrizioneArea", 100).required()},
            {}};
}

TableInfo tipologiaPratica() {
    return {QStringLiteral("TipologiaPratica"),
            QStringLiteral("ID_Tipologia"),
            {id("ID_Tipologia"), blank("Tipologia", 100).required()},
            {}};
}

/// Case subjects by register (Ruolo), matter (Materia) and object; the criminal subjects have
/// IdRuolo, IdMateria and IdOggetto all 0. A subject added from a case has only its Oggetto.
TableInfo oggettoPratica() {
    return {
        QStringLiteral("OggettoPratica"),
        QStringLiteral("ID_OggettoPratica"),
        {id("ID_OggettoPratica"), blank("Codice", 10), blank("Oggetto", 400).required(), searchKey("Oggetto"),
         text("Ruolo", 100), text("Materia", 100), integer("IdRuolo"), integer("IdMateria"),
         integer("IdOggetto")},
        {indexOn({"Codice"}), indexOn({"OggettoRicerca"}), indexOn({"IdRuolo", "IdMateria", "IdOggetto"})}};
}

TableInfo statiPratica() {
    return {QStringLiteral("StatiPratica"),
            QStringLiteral("ID_Stato"),
            {id("ID_Stato"), blank("StatoPrat", 50).required(), blank("Racc_StatoGamma", 20)},
            {uniqueOn({"StatoPrat"})}};
}

/// The five phases of a criminal case; id_fase is what PraPenale.ID_Fase stores.
TableInfo praPenaleFasi() {
    return {QStringLiteral("PraPenaleFasi"),
            QStringLiteral("id_fase"),
            {integer("id_fase").required(), blank("fase", 50).required(), smallint("NumFase")},
            {}};
}

/// Qualifications of the subjects involved in a case.
TableInfo tabQualifiche() {
    return {QStringLiteral("TabQualifiche"),
            QStringLiteral("ID"),
            {id("ID"), blank("COD", 10), blank("Qualifica", 100).required()},
            {}};
}

/// Unified court fee by case value: Maggiore < value <= MinoreUguale gives Valore.
TableInfo scaglioniContributo() {
    return {QStringLiteral("ScaglioniContributo"),
            QStringLiteral("ID"),
            {id("ID"), amount("Maggiore").required(), amount("MinoreUguale").required(),
             amount("Valore").required()},
            {}};
}

}  // namespace

QList<TableInfo> catalogueTables() {
    return {classificatore(), sottoClassificazione(), tipologiaPratica(), oggettoPratica(),
            statiPratica(),   praPenaleFasi(),        tabQualifiche(),    scaglioniContributo()};
}

}  // namespace tolmo::schema::def

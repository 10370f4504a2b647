// The table definition itself: consistent, and holding every column the component reads.

#include <gtest/gtest.h>

#include <QSet>
#include <optional>

#include "schema/Schema.h"

namespace tolmo::schema {
namespace {

TEST(SchemaDefinition, NamesAreUniqueAndKeysAndIndexesNameRealColumns) {
    QSet<QString> tableNames;
    for (const TableInfo& t : tables()) {
        SCOPED_TRACE(t.name.toStdString());
        EXPECT_FALSE(tableNames.contains(t.name.toLower())) << "table defined twice";
        tableNames << t.name.toLower();

        QSet<QString> columnNames;
        for (const ColumnInfo& c : t.columns) {
            EXPECT_FALSE(columnNames.contains(c.name.toLower())) << c.name.toStdString() << " defined twice";
            columnNames << c.name.toLower();
            if (c.type == ColumnType::Text) {
                EXPECT_GT(c.length, 0) << c.name.toStdString();
            }
            if (c.type == ColumnType::Id) {
                EXPECT_EQ(c.name, t.primaryKey) << "an identity is the table's key";
            }
        }
        ASSERT_NE(t.column(t.primaryKey), nullptr) << "every table has a key the data layer can update by";
        for (const IndexInfo& ix : t.indexes)
            for (const QString& col : ix.columns) EXPECT_NE(t.column(col), nullptr) << col.toStdString();
    }
}

TEST(SchemaDefinition, HoldsEveryColumnTheComponentReads) {
    const QMap<QString, QStringList> read = {
        {"Pratica",
         {"ID_Pra",
          "Posizione",
          "NumPos",
          "ID_Contab",
          "ID_Cliente",
          "ID_Controparte",
          "ControCognome",
          "ControNome",
          "NumeroRegGenerale",
          "UfficioGiudiziario",
          "CodUfficio",
          "Sezione",
          "Istruttore",
          "Id_Istruttore",
          "Oggetto",
          "CodiceOggetto",
          "BitRichiedi",
          "ID_Acp",
          "AcpCognome",
          "AcpNome",
          "ID_Corrispondente",
          "CognomeCorrispondente",
          "NomeCorrispondente",
          "ID_FatturareA",
          "ID_Referente",
          "ID_UtenteRiferimento",
          "ResponsabileFascicolo",
          "ID_UtenteProcacciatore",
          "ID_Riservata",
          "Fk_Gruppo",
          "DataInizio",
          "DataChiusura",
          "Data_ProxUdienza",
          "Data_Arc",
          "Stato",
          "ID_Cla",
          "Autorita",
          "R_IdArea",
          "R_IdTipologia",
          "Valore",
          "Valuta",
          "Cambio",
          "Rilevanza",
          "Collocazione",
          "Note",
          "Campo1",
          "Campo20",
          "IsStraordinariaImportanza",
          "TipoContributo",
          "ImportoContributo",
          "A_Debito",
          "SommaIngiunta",
          "ExportToWeb",
          "Export",
          "TipoTariffa",
          "Maggiorazione",
          "Flat",
          "AvvCoinvolti",
          "R_IdPrev",
          "Is_Allarmata_Parcella",
          "R_IdQuadroZ",
          "R_Id_PraWEB",
          "Registro",
          "R_IdCollegamento"}},
        {"PraPenale",
         {"ID_PraPenale",
          "ID_Pra",
          "ID_Fase",
          "IsParteCivile",
          "NumRGNotDiReato",
          "ModRGNotDiReato_1",
          "GIP_1",
          "AvvisoChiusura_1",
          "NumRGGIP_1_2",
          "PM_1_2_3",
          "GUP_2",
          "RitiAlternativi_2",
          "Esito_2",
          "AutoritaGiudiziaria_3",
          "NumRGDibattimento_3",
          "Sezione_3",
          "Giudice_3",
          "AutoritaGiudiziaria_4",
          "ProcuratoreGenerale_4",
          "NumRGAppello_4",
          "Sezione_4",
          "ProcuratoreGenerale_5",
          "NumRGCassazione_5",
          "Sezione_5",
          "TipoSentenza_5",
          "DataSentenza_2",
          "NumSentenza_2",
          "DataDepMotivazione_2",
          "DepositoMotivazione_2",
          "TermineDepMotivazione_2",
          "DataNotificaDepMotivazione_2",
          "DataSentenza_5",
          "NumSentenza_5",
          "DataDepMotivazione_5",
          "DepositoMotivazione_4",
          "TermineDepMotivazione_4",
          "DataNotificaDepMotivazione_4"}},
        {"PraPenaleFasi", {"id_fase", "fase", "NumFase"}},
        {"MultiIntesta", {"ID_Multi", "ID_Pra", "ID_Ana", "IsCliente", "Cognome", "Nome"}},
        {"Anagrafica",
         {"ID_Ana",
          "Cognome",
          "Nome",
          "Categoria",
          "StatoPolis",
          "IdRiservata",
          "fkGruppo",
          "IsFisicaGiuridica",
          "IsSostitutoImposta",
          "Sesso",
          "LuogoNascita",
          "DataNascita",
          "CittaRes",
          "IndirizzoRes",
          "NumCivicoRes",
          "PartitaIva",
          "CodiceFiscale",
          "NumeroTel",
          "NumeroFax",
          "NumeroTel_2",
          "NumeroTel_3",
          "NumeroTel_4",
          "Email",
          "R_id_token"}},
        {"ConfigGenerale",
         {"NumAuto", "CambioLiraEuro", "ValutaDefault", "StrutturaCartelle", "GammaMod", "indirizzo", "citta",
          "cap"}},
        {"Classificatore",
         {"ID_Cla", "Descrizione", "Campo1", "Campo11", "Campo20", "TipoCampo1", "TipoCampo20",
          "Racc_AreaPracticeGamma"}},
        {"SottoClassificazione", {"ID_Area", "DescrizioneArea"}},
        {"TipologiaPratica", {"ID_Tipologia", "Tipologia"}},
        {"OggettoPratica", {"Codice", "Oggetto", "Ruolo", "Materia", "IdRuolo", "IdMateria", "IdOggetto"}},
        {"StatiPratica", {"StatoPrat", "Racc_StatoGamma"}},
        {"Utenti",
         {"Id_Utente", "NomeUtente", "TitContabilita", "Piva", "CodUteAR", "nomeesteso", "cognometp",
          "nometp"}},
        {"Gruppi", {"Gruppo"}},
        {"Scadenze",
         {"Codice_Sca", "Codice_Pra", "Codice_Cli", "Parti", "Data_Start", "Data_End", "Ora", "Scadenza",
          "Note", "Priorita", "IsMemo", "IsUdienza", "Effettuato", "IsScadImpugnazione", "IdResponsabile",
          "Responsabile"}},
        {"Azioni", {"IdPra", "bFattura", "Imponibili", "Esenti", "Valuta", "Cambio"}},
        {"Documenti",
         {"ID", "Titolo", "Codice_Pra", "Posizione", "DataCreazione", "IsCartella", "IsCartellaFascicolo"}},
        {"Fatture",
         {"ID_Pratica", "TipoFattura", "Fs_Fattura", "Imponibili", "Esenti", "Competenze", "ForfSpese",
          "TotaleFattura", "ResiduoASaldo", "Valuta", "Cambio"}},
        {"ValuteEstere", {"Id", "Simbolo"}},
        {"CambiValute", {"IdValuta", "Data", "Valore"}},
        {"EstremiPagamento",
         {"Id", "R_Id_Pratica", "TipoPagamento", "Importo", "Data", "CodMarcaL", "CodUfficioP",
          "CodBollettinoP"}},
        {"ScaglioniContributo", {"Maggiore", "MinoreUguale", "Valore"}},
        {"PrestazioniAR",
         {"id_prest", "R_IdPra", "ProgressivoAR", "IsFrazionata", "Codice", "CodicePU", "R_IdUte",
          "DataRegPrest", "IsVerificata", "DivisaPrest", "ImportoPrest", "R_TipoPrest", "IsarchiviatoXML",
          "StatoRegP", "IsDaSegnalare"}},
        {"TipiPrestazione", {"id_prest", "DescrPrest", "IsNotaiAvvocati"}},
        {"Divisa", {"id_divisa", "swift", "DescrDivisa"}},
        {"AnagraficaAR", {"id_ar", "R_Id_Anag", "codiceprof", "AzeroDue"}},
        {"SoggettiAntiRiciclaggio",
         {"R_IdPraSAR", "R_IdAnaSAR", "IsDaTrasferire", "R_IdAr", "R_IdPercontoDi"}},
        {"R_ProfessionistiCoinvolti", {"R_IDPratica", "R_IdProf", "R_IdPresAr"}},
        {"R_PraUte", {"idpraute", "id_PraSel", "id_AvvSel", "NomeAvv"}},
        {"R_PraQualifiche", {"ID", "IdPra", "IdAna", "IdQual", "NomeRappresentato", "R_IDRappresentato"}},
        {"TabQualifiche", {"ID", "COD", "Qualifica"}},
        {"REGIONE", {"Codice", "Descrizione"}},
        {"SITO", {"CODICE", "DESCRIZIONE", "CODREGIONE"}},
        {"UFFICIO", {"Codice", "Descrizione", "CODSITO"}},
        {"UfficiTributari", {"Codice", "Descrizione", "CodSito"}},
        {"ST_CommesseGamma",
         {"codice_commessa", "descrizione", "area_practice", "Data_Inizio", "Data_chiusura", "data_fine",
          "responsabile", "stato", "cognome_resp", "nome_resp", "indirizzo_resp", "timestamp", "R_Id_Token"}},
    };
    for (auto it = read.cbegin(); it != read.cend(); ++it) {
        const TableInfo* t = table(it.key());
        ASSERT_NE(t, nullptr) << it.key().toStdString();
        for (const QString& column : it.value())
            EXPECT_NE(t->column(column), nullptr) << it.key().toStdString() << "." << column.toStdString();
    }
}

TEST(SchemaDefinition, TypesTheQueriesRelyOn) {
    const auto typeOf = [](const char* t, const char* c) -> std::optional<ColumnType> {
        const TableInfo* info = table(QString::fromUtf8(t));
        const ColumnInfo* col = info ? info->column(QString::fromUtf8(c)) : nullptr;
        if (!col) return std::nullopt;
        return col->type;
    };
    // Keys the database assigns and the component reads back after an insert.
    for (const auto& [t, c] : {std::pair{"Pratica", "ID_Pra"},
                               {"PraPenale", "ID_PraPenale"},
                               {"MultiIntesta", "ID_Multi"},
                               {"Anagrafica", "ID_Ana"},
                               {"R_PraQualifiche", "ID"},
                               {"EstremiPagamento", "Id"},
                               {"PrestazioniAR", "id_prest"},
                               {"R_PraUte", "idpraute"},
                               {"Scadenze", "Codice_Sca"},
                               {"Documenti", "ID"}})
        EXPECT_EQ(typeOf(t, c), ColumnType::Id) << t << "." << c;
    // Codes the office picker appends to its queries unquoted.
    for (const auto& [t, c] : {std::pair{"REGIONE", "Codice"},
                               {"SITO", "CODICE"},
                               {"SITO", "CODREGIONE"},
                               {"UFFICIO", "CODSITO"},
                               {"UfficiTributari", "CodSito"}})
        EXPECT_EQ(typeOf(t, c), ColumnType::Int) << t << "." << c;
    // Compared with numbers: "Fs_Fattura = 0", "TipoFattura = 1".
    EXPECT_EQ(typeOf("Fatture", "Fs_Fattura"), ColumnType::Int);
    EXPECT_EQ(typeOf("Fatture", "TipoFattura"), ColumnType::SmallInt);
    // Compared with 'TRUE'/'FALSE'.
    for (const auto& [t, c] : {std::pair{"Utenti", "TitContabilita"},
                               {"MultiIntesta", "IsCliente"},
                               {"Scadenze", "Effettuato"},
                               {"Azioni", "bFattura"},
                               {"Documenti", "IsCartella"},
                               {"TipiPrestazione", "IsNotaiAvvocati"}})
        EXPECT_EQ(typeOf(t, c), ColumnType::Bool) << t << "." << c;
    // "ORDER BY NumPos DESC" must not meet a NULL first on PostgreSQL.
    EXPECT_TRUE(table("Pratica")->column("NumPos")->notNull);
}

TEST(SchemaDdl, OneCreateTablePerTableOnBothEnginesWithIndexNamesPostgresAccepts) {
    for (const Dialect d : {Dialect::SQLite, Dialect::PostgreSQL}) {
        const QStringList statements = ddl(d);
        EXPECT_EQ(statements.filter(QStringLiteral("CREATE TABLE")).size(), tables().size());
        QSet<QString> indexNames;
        for (const QString& s : statements.filter(QStringLiteral("INDEX"))) {
            const QString name = s.section(QStringLiteral(" ON "), 0, 0).section(QLatin1Char(' '), -1);
            EXPECT_LE(name.size(), 63) << name.toStdString();
            EXPECT_FALSE(indexNames.contains(name.toLower())) << name.toStdString();
            indexNames << name.toLower();
        }
        EXPECT_FALSE(indexNames.isEmpty());
    }
}

}  // namespace
}  // namespace tolmo::schema

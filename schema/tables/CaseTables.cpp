// The case file and the rows that belong to one case.

#include "Columns.h"
#include "Tables.h"

namespace tolmo::schema::def {

namespace {

TableInfo pratica() {
    TableInfo t{QStringLiteral("Pratica"), QStringLiteral("ID_Pra"), {}, {}};
    t.columns = {
        id("ID_Pra"),
        blank("Posizione", 400),
        searchKey("Posizione"),
        integer("NumPos").required().initially(0),
        ref("ID_Contab"),
        ref("ID_Cliente"),
        integer("ID_Controparte").required().initially(1),
        blank("ControCognome", 400),
        blank("ControNome", 100),
        blank("NumeroRegGenerale", 50),
        blank("UfficioGiudiziario", 255),
        blank("CodUfficio", 20),
        blank("Sezione", 50),
        blank("Istruttore", 100),
        ref("Id_Istruttore"),
        blank("Oggetto", 400),
        blank("CodiceOggetto", 10),
        text("BitRichiedi", 2),
        integer("ID_Acp").required().initially(1),
        blank("AcpCognome", 400),
        blank("AcpNome", 100),
        integer("ID_Corrispondente").required().initially(1),
        blank("CognomeCorrispondente", 400),
        blank("NomeCorrispondente", 100),
        integer("ID_FatturareA").required().initially(1),
        ref("ID_Referente"),
        ref("ID_UtenteRiferimento"),
        blank("ResponsabileFascicolo", 100),
        ref("ID_UtenteProcacciatore"),
        ref("ID_Riservata"),
        text("Fk_Gruppo", 50),  // null: not reserved to a group
        date("DataInizio"),
        date("DataChiusura"),
        date("Data_ProxUdienza"),
        date("Data_Arc"),
        blank("Stato", 50),
        integer("ID_Cla").required().initially(1),
        blank("Autorita", 100),
        ref("R_IdArea"),
        ref("R_IdTipologia"),
        amount("Valore").initially(0),  // nullable: a failed save repairs a null to 0
        text("Valuta", 10).initially(QStringLiteral("EURO")),
        amount("Cambio").initially(1),
        smallint("Rilevanza").initially(100),
        blank("Collocazione", 100),
        memo("Note"),
    };
    t.columns += numbered("Campo", 1, 20, [](const QString& n) { return blank(n, 400); });
    t.columns += {
        boolean("IsStraordinariaImportanza"),
        text("TipoContributo", 2),
        amount("ImportoContributo"),
        boolean("A_Debito"),
        amount("SommaIngiunta").initially(0),
        boolean("ExportToWeb"),
        boolean("Export"),
        smallint("TipoTariffa").initially(0),
        real("Maggiorazione").initially(0),
        amount("Flat").initially(0),
        memo("AvvCoinvolti"),
        ref("R_IdCollegamento"),
        ref("R_IdPrev"),
        boolean("Is_Allarmata_Parcella"),
        ref("R_IdQuadroZ"),
        ref("R_Id_PraWEB"),
        blank("Registro", 50),
        rowVersion(),
    };
    t.indexes = {indexOn({"Posizione"}),      indexOn({"PosizioneRicerca", "ID_Pra"}),
                 indexOn({"NumPos"}),         indexOn({"ID_Cliente"}),
                 indexOn({"ID_Controparte"}), indexOn({"R_IdCollegamento"}),
                 indexOn({"DataInizio"})};
    return t;
}

/// The judgment columns of phase n of a criminal case; phases 2 to 4 also record the deposit of
/// the reasons.
QList<ColumnInfo> judgmentColumns(int n) {
    const QString s = QString::number(n);
    QList<ColumnInfo> cols = {date("DataSentenza_" + s), text("NumSentenza_" + s, 30),
                              date("DataDepMotivazione_" + s)};
    if (n <= 4)
        cols += {text("DepositoMotivazione_" + s, 30), date("TermineDepMotivazione_" + s),
                 date("DataNotificaDepMotivazione_" + s)};
    return cols;
}

TableInfo praPenale() {
    TableInfo t{QStringLiteral("PraPenale"), QStringLiteral("ID_PraPenale"), {}, {}};
    t.columns = {
        id("ID_PraPenale"),
        integer("ID_Pra").required(),
        ref("ID_Fase"),
        boolean("IsParteCivile"),
        text("NumRGNotDiReato", 30),
        // Indagini preliminari (1) and udienza preliminare (2)
        text("ModRGNotDiReato_1", 10),
        text("GIP_1", 100),
        date("AvvisoChiusura_1"),
        text("NumRGGIP_1_2", 30),
        text("PM_1_2_3", 100),
        text("GUP_2", 100),
        text("RitiAlternativi_2", 50),
        text("Esito_2", 1),
        // Dibattimento (3)
        text("AutoritaGiudiziaria_3", 100),
        text("NumRGDibattimento_3", 30),
        text("Sezione_3", 50),
        text("Giudice_3", 100),
        // Appello (4)
        text("AutoritaGiudiziaria_4", 100),
        text("ProcuratoreGenerale_4", 100),
        text("NumRGAppello_4", 30),
        text("Sezione_4", 50),
        // Cassazione (5)
        text("ProcuratoreGenerale_5", 100),
        text("NumRGCassazione_5", 30),
        text("Sezione_5", 50),
        text("TipoSentenza_5", 20),
    };
    for (int n = 2; n <= 5; ++n) t.columns += judgmentColumns(n);
    t.indexes = {uniqueOn({"ID_Pra"})};
    return t;
}

TableInfo multiIntesta() {
    return {QStringLiteral("MultiIntesta"),
            QStringLiteral("ID_Multi"),
            {id("ID_Multi"), integer("ID_Pra").required(), integer("ID_Ana").required().initially(1),
             boolean("IsCliente"), blank("Cognome", 400), blank("Nome", 100), rowVersion()},
            {indexOn({"ID_Pra"}), indexOn({"ID_Ana"})}};
}

/// Subjects involved in a case with their qualification (TabQualifiche).
TableInfo praQualifiche() {
    return {QStringLiteral("R_PraQualifiche"),
            QStringLiteral("ID"),
            {id("ID"), integer("IdPra").required(), integer("IdAna").required(), ref("IdQual"),
             blank("NomeRappresentato", 200), ref("R_IDRappresentato")},
            {indexOn({"IdPra"})}};
}

/// The firm's lawyers involved in a case (id_PraSel 0 while the case is being inserted).
TableInfo praUte() {
    return {QStringLiteral("R_PraUte"),
            QStringLiteral("idpraute"),
            {id("idpraute"), ref("id_PraSel"), integer("id_AvvSel").required(), blank("NomeAvv", 50)},
            {indexOn({"id_PraSel"})}};
}

}  // namespace

QList<TableInfo> caseTables() { return {pratica(), praPenale(), multiIntesta(), praQualifiche(), praUte()}; }

}  // namespace tolmo::schema::def

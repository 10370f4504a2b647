#include "CaseSql.h"

#include <QStringList>

#include "access/RowVersion.h"
#include "access/TolmoAccess.h"

namespace tolmo::core {

namespace {

// The columns of Pratica the component reads and writes.
const char* const kColonnePratica[] = {
    "ID_Pra",
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
    "Campo2",
    "Campo3",
    "Campo4",
    "Campo5",
    "Campo6",
    "Campo7",
    "Campo8",
    "Campo9",
    "Campo10",
    "Campo11",
    "Campo12",
    "Campo13",
    "Campo14",
    "Campo15",
    "Campo16",
    "Campo17",
    "Campo18",
    "Campo19",
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
};

// The columns of PraPenale but its case id, which comes as PPId_Pra.
const char* const kColonnePenale[] = {
    "ID_PraPenale",
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
};

/// The judgment columns of phase n; phases 2 to 4 also record the deposit of the reasons.
QStringList colonneSentenza(int n) {
    const QString s = QString::number(n);
    QStringList cols = {QStringLiteral("DataSentenza_") + s, QStringLiteral("NumSentenza_") + s,
                        QStringLiteral("DataDepMotivazione_") + s};
    if (n <= 4)
        cols << QStringLiteral("DepositoMotivazione_") + s << QStringLiteral("TermineDepMotivazione_") + s
             << QStringLiteral("DataNotificaDepMotivazione_") + s;
    return cols;
}

}  // namespace

QString prossimaPosizione(const ConnectionPtr& conn) {
    AccessoDati dati;
    dati.Apri(conn, QStringLiteral("SELECT NumPos FROM Pratica ORDER BY NumPos DESC"), adLockPessimistic);
    const qint64 ultima =
        dati.recordset().Eof() ? 0 : dati.recordset().value(QStringLiteral("NumPos")).toLongLong();
    dati.Chiudi();
    return QString::number(ultima + 1);
}

QString sqlPratica(int id) {
    return QStringLiteral("SELECT * FROM Pratica WHERE ID_Pra = ") + QString::number(id);
}

QString sqlVisualizzaPratica(int id, bool penale) {
    const QString where = QStringLiteral("WHERE pratica.ID_Pra = ") + QString::number(id);
    if (penale)
        return QStringLiteral(
                   "SELECT * FROM Pratica LEFT JOIN PraPenale ON pratica.id_pra=prapenale.id_pra ") +
               where;
    return QStringLiteral("SELECT * FROM Pratica ") + where;
}

QString sqlPraticaPenale(int id) {
    QStringList cols;
    for (const char* c : kColonnePratica) cols << QStringLiteral("Pratica.") + QLatin1String(c);
    cols << QStringLiteral("Pratica.") + kVersioneRiga;  // the save checks it
    for (const char* c : kColonnePenale) cols << QStringLiteral("PraPenale.") + QLatin1String(c);
    for (int n = 2; n <= 5; ++n)
        for (const QString& c : colonneSentenza(n)) cols << QStringLiteral("PraPenale.") + c;
    cols << QStringLiteral("PraPenale.ID_Pra AS PPId_Pra");
    return QStringLiteral("SELECT ") + cols.join(QStringLiteral(", ")) +
           QStringLiteral(
               " FROM Pratica INNER JOIN PraPenale ON pratica.id_pra=prapenale.id_pra  WHERE "
               "Pratica.id_pra=") +
           QString::number(id);
}

}  // namespace tolmo::core

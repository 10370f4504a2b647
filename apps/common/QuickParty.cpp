#include "QuickParty.h"

#include <QList>
#include <utility>

#include "access/Recordset.h"
#include "schema/Schema.h"

namespace tolmo::hostkit {

namespace {

const QString kTable = QStringLiteral("Anagrafica");

// What each column is called when a text does not fit it.
const QList<std::pair<QString, QString>> kCaptions = {
    {QStringLiteral("Cognome"), QStringLiteral("Cognome")},
    {QStringLiteral("Nome"), QStringLiteral("Nome")},
    {QStringLiteral("Categoria"), QStringLiteral("Categoria")},
    {QStringLiteral("CodiceFiscale"), QStringLiteral("Codice fiscale")},
    {QStringLiteral("CittaRes"), QStringLiteral("Città")},
};

void checkFits(const QString& column, const QString& value) {
    const schema::ColumnInfo* info = schema::table(kTable)->column(column);
    if (!info || info->length == 0 || value.size() <= info->length) return;
    QString caption = column;
    for (const auto& [name, shown] : kCaptions)
        if (name == column) caption = shown;
    throw PartyRefused(
        QStringLiteral("Il campo %1 non può superare %2 caratteri.").arg(caption).arg(info->length));
}

}  // namespace

int insertParty(ConnectionPtr rw, const QString& cognome, const QString& nome, const QString& categoria,
                const QString& codiceFiscale, const QString& citta) {
    const QList<std::pair<QString, QString>> values = {
        {QStringLiteral("Cognome"), cognome.trimmed()},
        {QStringLiteral("Nome"), nome.trimmed()},
        {QStringLiteral("Categoria"), categoria.trimmed()},
        {QStringLiteral("CodiceFiscale"), codiceFiscale.trimmed().toUpper()},
        {QStringLiteral("CittaRes"), citta.trimmed()},
    };
    if (values.first().second.isEmpty())
        throw PartyRefused(QStringLiteral("Inserire il cognome o la ragione sociale."));
    for (const auto& [column, value] : values) checkFits(column, value);

    Transaction transaction(*rw);
    AccessoDati anagrafica;
    anagrafica.Apri(rw, kTable, adLockOptimistic);
    Recordset& rs = anagrafica.recordset();
    rs.AddNew();
    for (const auto& [column, value] : values)
        rs.setValue(column, value);
    // No category: the party is listed under every category.
    if (values.at(2).second.isEmpty()) rs.setValue(QStringLiteral("Categoria"), QVariant());
    rs.setValue(QStringLiteral("IdRiservata"), 0);
    rs.Update();
    const int id = rs.value(QStringLiteral("ID_Ana")).toInt();
    anagrafica.Chiudi();
    transaction.commit();
    return id;
}

}  // namespace tolmo::hostkit

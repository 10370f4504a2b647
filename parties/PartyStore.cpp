#include "PartyStore.h"

#include "access/Recordset.h"
#include "schema/Schema.h"

namespace tolmo::parties {

namespace {

const QString kTabella = QStringLiteral("Anagrafica");

QVariant memorizzato(const ValoreAnagrafica& v) {
    if (v.valore.typeId() != QMetaType::QString) return v.valore;
    const QString testo = v.valore.toString().trimmed();
    // No category: the party is listed under every category.
    if (testo.isEmpty() && v.colonna == QStringLiteral("Categoria")) return {};
    return testo;
}

void verificaLunghezza(const ValoreAnagrafica& v, const QVariant& valore) {
    const schema::ColumnInfo* info = schema::table(kTabella)->column(v.colonna);
    if (!info || info->length == 0 || valore.typeId() != QMetaType::QString ||
        valore.toString().size() <= info->length)
        return;
    throw PartyRefused(
        QStringLiteral("Il campo %1 non può superare %2 caratteri.").arg(v.etichetta).arg(info->length));
}

}  // namespace

int registraAnagrafica(const ConnectionPtr& rw, const QList<ValoreAnagrafica>& valori, int id) {
    QList<QVariant> memorizzati;
    for (const ValoreAnagrafica& v : valori) {
        memorizzati.append(memorizzato(v));
        verificaLunghezza(v, memorizzati.last());
        if (v.colonna == QStringLiteral("Cognome") && memorizzati.last().toString().isEmpty())
            throw PartyRefused(QStringLiteral("Inserire il cognome o la ragione sociale."));
    }
    Transaction transaction(*rw);
    AccessoDati anagrafica;
    anagrafica.Apri(
        rw,
        id > 0 ? QStringLiteral("SELECT * FROM Anagrafica WHERE ID_Ana = ") + QString::number(id) : kTabella,
        adLockOptimistic);
    Recordset& rs = anagrafica.recordset();
    if (id > 0 && rs.Eof()) throw PartyRefused(QStringLiteral("L'anagrafica non esiste più."));
    if (id <= 0) {
        rs.AddNew();
        rs.setValue(QStringLiteral("IdRiservata"), 0);
    }
    for (int i = 0; i < valori.size(); ++i) rs.setValue(valori.at(i).colonna, memorizzati.at(i));
    rs.Update();
    const int stored = rs.value(QStringLiteral("ID_Ana")).toInt();
    anagrafica.Chiudi();
    transaction.commit();
    return stored;
}

}  // namespace tolmo::parties

#include "Accounting.h"

#include <QHash>
#include <QSqlQuery>
#include <cmath>
#include <optional>

#include "access/SqlText.h"
#include "core/model/CaseValues.h"
#include "core/model/Deletion.h"
#include "form/Interaction.h"

namespace tolmo::extras {

namespace {

/// The colour of a credit or receipts total: red below zero, black otherwise.
constexpr long kRosso = 255;

Currency importo(Recordset& rs, const QString& colonna) { return Currency::fromVariant(rs.value(colonna)); }

/// The sum of an amount column in ten-thousandths: a whole number, exact on both engines (SQLite
/// keeps amounts as doubles, each rounded back to its ten-thousandths before it is added).
QString somma(const QString& colonna, Dialect dialetto) {
    return dialetto == Dialect::SQLite ? QStringLiteral("SUM(ROUND(%1 * 10000))").arg(colonna)
                                       : QStringLiteral("SUM(%1) * 10000").arg(colonna);
}

}  // namespace

QString sqlScadenzeAperte(int idPratica) {
    return QStringLiteral(
               "SELECT Codice_Sca,ora,parti,scadenza,codice_pra,data_end,ismemo FROM Scadenze WHERE "
               "Codice_Pra=") +
           QString::number(idPratica) + QStringLiteral(" AND Effettuato = FALSE ORDER BY Data_End,ora");
}

QString sqlTotaliFatture(int idPratica, Dialect dialetto) {
    const QString anticipo = QStringLiteral("CASE WHEN TipoFattura = 1 AND Fs_Fattura = 0 THEN %1 END");
    QStringList somme = {QStringLiteral("SUM(") + anticipo.arg(1) + QStringLiteral(")")};
    for (const char* c : {"Imponibili", "Esenti", "Competenze", "ForfSpese"})
        somme << somma(anticipo.arg(QLatin1String(c)), dialetto);
    for (const char* c : {"TotaleFattura", "ResiduoASaldo"}) somme << somma(QLatin1String(c), dialetto);
    return QStringLiteral(
               "SELECT Valuta, Cambio, CASE WHEN TipoFattura = 5 THEN 1 ELSE 0 END AS NotaDiCredito, "
               "COUNT(*), ") +
           somme.join(QStringLiteral(", ")) + QStringLiteral(" FROM Fatture WHERE ID_Pratica = ") +
           QString::number(idPratica) +
           QStringLiteral(
               " AND TipoFattura >= 1 AND TipoFattura <= 5 GROUP BY Valuta, Cambio, NotaDiCredito");
}

QString sqlTotaliAzioni(int idPratica, Dialect dialetto) {
    return QStringLiteral(
               "SELECT Valuta, Cambio, COUNT(*), %1, %2 FROM Azioni WHERE IdPra = %3 AND bFattura = FALSE "
               "GROUP BY Valuta, Cambio")
        .arg(somma(QStringLiteral("Imponibili"), dialetto), somma(QStringLiteral("Esenti"), dialetto))
        .arg(idPratica);
}

AccountingFields::AccountingFields(form::Form& form) : f(&form) {
    for (core::Control* c : totals()) c->setLocked(true);
    GridScadenzePra.setColumnCaptions(
        {QStringLiteral("Codice"), QStringLiteral("Data"), QStringLiteral("Ora"), QStringLiteral("Pratica"),
         QStringLiteral("Scadenza"), QStringLiteral("Promemoria"), QStringLiteral("Parti")});
}

Accounting::Accounting(core::ComponentServices& services, core::PraticaForm& form)
    : fields(form), m_services(services) {}

void Accounting::clear() {
    for (core::MoneyField* c : fields.totals()) c->setText(QString());
    fields.GridScadenzePra.setTable({});
}

void Accounting::tabChanged(int tab, short) {
    if (tab == core::TabContabilita)
        for (core::Control* c : fields.totals()) c->setLocked(true);
}

// The agenda first, then the totals; a failure of either is reported on its own.
void Accounting::show(core::ShowContext&) {
    m_services.trap(QStringLiteral("Caricamento Scadenze Pratica"), [this] { CaricaScadenzePratica(); });
    m_services.trap(QStringLiteral("Caricamento Totali Contabili"), [this] { CaricaTotaliContabili(); });
}

void Accounting::CaricaScadenzePratica() {
    QVector<QVector<QVariant>> table;
    // As the person reads them: the day as "dd/mm/yyyy", a reminder as "Sì".
    m_services.connReadOnly()->withQuery(
        sqlScadenzeAperte(m_services.currentId()), {}, [&table](QSqlQuery& q) {
            while (q.next())
                table.append({q.value(0), core::testoData(q.value(5)), q.value(1), q.value(4), q.value(3),
                              q.value(6).toBool() ? QStringLiteral("Sì") : QString(), q.value(2)});
        });
    fields.GridScadenzePra.setTable(table);
    if (!table.isEmpty()) fields.GridScadenzePra.setCurrentCell(0, 0);
}

void Accounting::LeggiValutaDefault() {
    AccessoDati config;
    config.Apri(m_services.connTolmo(), QStringLiteral("SELECT * FROM ConfigGenerale"), adLockReadOnly);
    if (!config.recordset().Eof()) {
        m_studio.valuta = config.recordset().text(QStringLiteral("ValutaDefault"));
        m_studio.cambioLiraEuro = importo(config.recordset(), QStringLiteral("CambioLiraEuro")).toDouble();
    }
    config.Chiudi();
}

bool Accounting::CercaCambioValutaEstera(const QString& simbolo, QString& cambio) {
    AccessoDati cambi;
    cambi.Apri(
        m_services.connTolmo(),
        QStringLiteral("SELECT CambiValute.*, ValuteEstere.* FROM ValuteEstere INNER JOIN CambiValute ON "
                       "ValuteEstere.Id = CambiValute.IdValuta WHERE Simbolo = ") +
            ApiciSQL(simbolo) + QStringLiteral(" ORDER BY CambiValute.Data desc"),
        adLockReadOnly);
    const bool trovato = !cambi.recordset().Eof();
    cambio = trovato ? importo(cambi.recordset(), QStringLiteral("Valore")).toItalian(4)
                     : QStringLiteral("1,0000");
    cambi.Chiudi();
    if (!trovato) avvisaCambioMancante(simbolo);
    return trovato;
}

void Accounting::avvisaCambioMancante(const QString& simbolo) {
    m_services.ui().messageBox(
        QStringLiteral("Non è stato trovato nessun Cambio per la Valuta Estera ") + simbolo +
            QStringLiteral(" .") + QLatin1Char('\n') +
            QStringLiteral("I Totali non saranno attendibili in quanto non sarà effettuato alcun Cambio.") +
            QStringLiteral(" .") + QLatin1Char('\n') +
            QStringLiteral("Per avere dei Totali attendibili inserire un Cambio EURO/") + simbolo +
            QStringLiteral(" ."),
        m_services.messageTitle(), form::MsgButtons::OK, form::MsgIcon::Exclamation);
}

// The rows of a case are added up by the database, in ten-thousandths (exact on both engines),
// one sum per currency and rate; each sum is then brought into the firm's currency. A case with
// ten thousand invoices reads a handful of rows.
void Accounting::CaricaTotaliContabili() {
    form::BusyPointer busy(m_services.ui());
    LeggiValutaDefault();
    // Every foreign rate is read once; a missing one is warned of for every amount it converts.
    QHash<QString, std::optional<double>> tassi;
    int importi = 1;  // the amounts of rows the sum being converted stands for
    const TassoEstero tasso = [&](const QString& simbolo) {
        int avvisi = importi;
        auto it = tassi.find(simbolo);
        if (it == tassi.end()) {
            QString testo;
            const bool trovato = CercaCambioValutaEstera(simbolo, testo);
            it = tassi.insert(simbolo,
                              trovato ? std::optional(Currency::parse(testo)->toDouble()) : std::nullopt);
            --avvisi;
        }
        if (!it->has_value())
            for (; avvisi > 0; --avvisi) avvisaCambioMancante(simbolo);
        return it->value_or(1.0);
    };
    Currency acconti, spese, credito, incassi;
    const ConnectionPtr conn = m_services.connReadOnly();
    const auto somme = [&](const QString& sql, const std::function<void(const QSqlQuery&)>& gruppo) {
        conn->withQuery(sql, {}, [&](QSqlQuery& q) {
            while (q.next()) gruppo(q);
        });
    };
    // Every group leads with Valuta and Cambio; its sums are in ten-thousandths.
    const auto unita = [](const QSqlQuery& q, int i) { return std::llround(q.value(i).toDouble()); };
    const auto inValuta = [&](const QSqlQuery& q, std::int64_t decimillesimi, int righe) {
        importi = righe;
        return converti(Currency::fromRaw(decimillesimi), q.value(0), Currency::fromVariant(q.value(1)),
                        m_studio, tasso);
    };
    const int id = m_services.currentId();
    somme(sqlTotaliFatture(id, conn->dialect()), [&](const QSqlQuery& q) {
        const bool notaDiCredito = q.value(2).toInt() == 1;
        const int righe = q.value(3).toInt(), anticipi = q.value(4).toInt();
        if (anticipi > 0)
            acconti = acconti + inValuta(q, unita(q, 5) + unita(q, 6) + unita(q, 7) + unita(q, 8), anticipi);
        const Currency residuo = inValuta(q, unita(q, 10), righe);
        const Currency pagato = inValuta(q, unita(q, 9) - unita(q, 10), righe);
        // A credit note's residue and payment count against the others.
        credito = notaDiCredito ? credito - residuo : credito + residuo;
        incassi = notaDiCredito ? incassi - pagato : incassi + pagato;
    });
    somme(sqlTotaliAzioni(id, conn->dialect()), [&](const QSqlQuery& q) {
        spese = spese + inValuta(q, unita(q, 3) + unita(q, 4), q.value(2).toInt());
    });
    const std::array<Currency, 5> valori = {acconti, spese, acconti - spese, credito, incassi};
    const auto campi = fields.totals();
    const QString cambio = Currency::fromDouble(m_studio.cambioLiraEuro).toItalian(2);
    for (std::size_t i = 0; i < campi.size(); ++i) {
        core::MoneyField& campo = *campi[i];
        campo.setDecimali(m_studio.valuta != QStringLiteral("LIRA"));
        campo.setAmount(valori[i] == Currency() ? std::nullopt : std::optional<Currency>(valori[i]));
        campo.setValuta(m_studio.valuta, Currency::fromUnits(1));
        campo.setCambioLiraEuro(cambio);
    }
    fields.FTotaleCredito.setForeColor(credito < Currency() ? kRosso : 0);
    fields.FTotaleIncassi.setForeColor(incassi < Currency() ? kRosso : 0);
}

void Accounting::remove(core::DeleteContext& ctx) {
    core::eliminaRighe(ctx, QStringLiteral("SELECT * FROM Scadenze WHERE Codice_Pra = "));
    AccessoDati fatture;
    fatture.Apri(ctx.conn,
                 QStringLiteral("SELECT * FROM Fatture WHERE ID_Pratica = ") + QString::number(ctx.caseId),
                 adLockOptimistic);
    for (Recordset& rs = fatture.recordset(); !rs.Eof(); rs.MoveNext()) {
        rs.setValue(QStringLiteral("Id_Pratica"), 0);
        rs.Update();
    }
    fatture.Chiudi();
}

}  // namespace tolmo::extras

#include "Accounting.h"

#include <QSqlQuery>
#include <QSqlRecord>

#include "access/SqlText.h"
#include "core/model/CaseValues.h"
#include "core/model/Deletion.h"
#include "form/Interaction.h"

namespace tolmo::extras {

namespace {

/// The colour of a credit or receipts total: red below zero, black otherwise.
constexpr long kRosso = 255;

Currency importo(Recordset& rs, const QString& colonna) { return Currency::fromVariant(rs.value(colonna)); }

/// A row of a forward-only query, its columns found by name in any letter case.
struct Riga {
    const QSqlQuery& q;
    const QSqlRecord& colonne;
    QVariant value(const QString& colonna) const { return q.value(colonne.indexOf(colonna)); }
    Currency importo(const QString& colonna) const { return Currency::fromVariant(value(colonna)); }
};

}  // namespace

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
        QStringLiteral("SELECT Codice_Sca,ora,parti,scadenza,codice_pra,data_end,ismemo FROM Scadenze WHERE "
                       "Codice_Pra=") +
            QString::number(m_services.currentId()) +
            QStringLiteral(" AND Effettuato = FALSE ORDER BY Data_End,ora"),
        {}, [&table](QSqlQuery& q) {
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

void Accounting::CercaCambioValutaEstera(const QString& simbolo, QString& cambio) {
    AccessoDati cambi;
    cambi.Apri(
        m_services.connTolmo(),
        QStringLiteral("SELECT CambiValute.*, ValuteEstere.* FROM ValuteEstere INNER JOIN CambiValute ON "
                       "ValuteEstere.Id = CambiValute.IdValuta WHERE Simbolo = ") +
            ApiciSQL(simbolo) + QStringLiteral(" ORDER BY CambiValute.Data desc"),
        adLockReadOnly);
    if (!cambi.recordset().Eof()) {
        cambio = importo(cambi.recordset(), QStringLiteral("Valore")).toItalian(4);
    } else {
        cambio = QStringLiteral("1,0000");
        m_services.ui().messageBox(
            QStringLiteral("Non è stato trovato nessun Cambio per la Valuta Estera ") + simbolo +
                QStringLiteral(" .") + QLatin1Char('\n') +
                QStringLiteral(
                    "I Totali non saranno attendibili in quanto non sarà effettuato alcun Cambio.") +
                QStringLiteral(" .") + QLatin1Char('\n') +
                QStringLiteral("Per avere dei Totali attendibili inserire un Cambio EURO/") + simbolo +
                QStringLiteral(" ."),
            m_services.messageTitle(), form::MsgButtons::OK, form::MsgIcon::Exclamation);
    }
    cambi.Chiudi();
}

void Accounting::CaricaTotaliContabili() {
    form::BusyPointer busy(m_services.ui());
    LeggiValutaDefault();
    const QString id = QString::number(m_services.currentId());
    const TassoEstero tasso = [this](const QString& simbolo) {
        QString testo;
        CercaCambioValutaEstera(simbolo, testo);
        return Currency::parse(testo).value_or(Currency::fromUnits(1)).toDouble();
    };
    const auto inValuta = [&](const Riga& r, Currency a) {
        return converti(a, r.value(QStringLiteral("Valuta")), r.importo(QStringLiteral("Cambio")), m_studio,
                        tasso);
    };
    Currency acconti, spese, credito, incassi;
    // Only the columns the totals add, read forward once: a case with ten thousand invoices
    // shows its totals without a record set's paging.
    const auto perRiga = [&](const QString& sql, const std::function<void(const Riga&)>& body) {
        m_services.connReadOnly()->withQuery(sql, {}, [&](QSqlQuery& q) {
            const QSqlRecord colonne = q.record();
            while (q.next()) body(Riga{q, colonne});
        });
    };
    perRiga(
        QStringLiteral("SELECT Imponibili, Esenti, Competenze, ForfSpese, Valuta, Cambio FROM Fatture WHERE "
                       "ID_Pratica = ") +
            id + QStringLiteral(" AND TipoFattura = 1 AND Fs_Fattura = 0"),
        [&](const Riga& r) {
            acconti = acconti + inValuta(r, r.importo(QStringLiteral("Imponibili")) +
                                                r.importo(QStringLiteral("Esenti")) +
                                                r.importo(QStringLiteral("Competenze")) +
                                                r.importo(QStringLiteral("ForfSpese")));
        });
    perRiga(QStringLiteral("SELECT Imponibili, Esenti, Valuta, Cambio FROM Azioni WHERE IdPra = ") + id +
                QStringLiteral(" AND bFattura = FALSE"),
            [&](const Riga& r) {
                spese = spese + inValuta(r, r.importo(QStringLiteral("Imponibili")) +
                                                r.importo(QStringLiteral("Esenti")));
            });
    perRiga(
        QStringLiteral("SELECT TipoFattura, TotaleFattura, ResiduoASaldo, Valuta, Cambio FROM Fatture WHERE "
                       "ID_Pratica = ") +
            id +
            QStringLiteral(
                " AND (TipoFattura = 1 OR TipoFattura = 2 OR TipoFattura = 3 OR TipoFattura = 4 OR "
                "TipoFattura = 5)"),
        [&](const Riga& r) {
            const Currency residuo = inValuta(r, r.importo(QStringLiteral("ResiduoASaldo")));
            const Currency pagato = inValuta(
                r, r.importo(QStringLiteral("TotaleFattura")) - r.importo(QStringLiteral("ResiduoASaldo")));
            const bool notaDiCredito = r.value(QStringLiteral("TipoFattura")).toInt() == 5;
            credito = notaDiCredito ? credito - residuo : credito + residuo;
            incassi = notaDiCredito ? incassi - pagato : incassi + pagato;
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

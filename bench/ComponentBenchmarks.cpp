#include "ComponentBenchmarks.h"

#include <QDir>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

#include "Results.h"
#include "aml/AmlGuard.h"
#include "core/TolmoPratica.h"
#include "extras/Accounting.h"
#include "form/ScriptedInteraction.h"
#include "links/CaseLinks.h"
#include "offices/CaseOffice.h"

namespace tolmo::bench {

namespace {

constexpr int kSampledCases = 512;
// The firm's accounting owner the sessions work as (a user who sees every party).
constexpr int kUser = 2;

/// One component started on the firm, as a host would hold it.
struct Session {
    form::ScriptedInteraction ui;
    platform::MemorySettings settings;
    QTemporaryDir documenti;  // the saved cases' folders
    std::unique_ptr<TolmoPratica> pratica;
    ConnectionPtr rw;
    std::vector<int> threePartyCases;
    // The first cases of the firm, of every classifier, modified and confirmed again.
    std::vector<int> firstCases;

    explicit Session(const QString& url) {
        settings.setValue(QStringLiteral("Shared"), QStringLiteral("Id_Utente"), QString::number(kUser));
        QDir(documenti.path()).mkpath(QStringLiteral("Documenti Pratiche"));
        settings.setValue(QStringLiteral("startup"), QStringLiteral("PathRicerche"), documenti.path());
        pratica = std::make_unique<TolmoPratica>(ui, settings);
        rw = Connection::open(url);
        pratica->setConnTolmo(Connection::open(url));
        pratica->setConnReadOnly(Connection::open(url));
        pratica->setConnReadWrite(rw);
        pratica->Start();
        pratica->SettaContabilita(kUser);
        forEachRow(*rw,
                   QStringLiteral("SELECT ID_Pra FROM MultiIntesta GROUP BY ID_Pra HAVING COUNT(*) = 3 "
                                  "ORDER BY ID_Pra LIMIT ") +
                       QString::number(kSampledCases),
                   {}, [this](const QSqlQuery& q) { threePartyCases.push_back(q.value(0).toInt()); });
        if (threePartyCases.empty())
            throw std::runtime_error("the firm has no case with three additional parties");
        forEachRow(*rw,
                   QStringLiteral("SELECT ID_Pra FROM Pratica ORDER BY ID_Pra LIMIT ") +
                       QString::number(kSampledCases),
                   {}, [this](const QSqlQuery& q) { firstCases.push_back(q.value(0).toInt()); });
        if (firstCases.empty()) throw std::runtime_error("the firm has no case");
    }
    int nextCase(std::size_t& i) const { return threePartyCases[i++ % threePartyCases.size()]; }
    int nextFirst(std::size_t& i) const { return firstCases[i++ % firstCases.size()]; }
};

void showCase(benchmark::State& state, Session& s) {
    std::size_t i = 0;
    for (auto _ : state) s.pratica->VisualizzaPratica(s.nextCase(i));
}

// What showing a case reads at the least: the case, its additional parties and the names of
// its client, counterparty and their lawyers.
void showCaseBare(benchmark::State& state, Session& s) {
    std::size_t i = 0;
    for (auto _ : state) {
        const int id = s.nextCase(i);
        QSqlQuery pratica(s.rw->database());
        pratica.setForwardOnly(true);
        pratica.prepare(QStringLiteral("SELECT * FROM Pratica WHERE ID_Pra = ?"));
        pratica.addBindValue(id);
        pratica.exec();
        pratica.next();
        QSqlQuery multi(s.rw->database());
        multi.setForwardOnly(true);
        multi.prepare(QStringLiteral("SELECT * FROM MultiIntesta WHERE ID_Pra = ?"));
        multi.addBindValue(id);
        multi.exec();
        while (multi.next()) benchmark::DoNotOptimize(multi.value(0));
        for (const char* column : {"ID_Cliente", "ID_Controparte", "ID_Acp"}) {
            QSqlQuery name(s.rw->database());
            name.setForwardOnly(true);
            name.prepare(QStringLiteral("SELECT Cognome, Nome FROM Anagrafica WHERE ID_Ana = ?"));
            name.addBindValue(pratica.value(QString::fromLatin1(column)));
            name.exec();
            if (name.next()) benchmark::DoNotOptimize(name.value(0));
        }
    }
}

// New cases carry this note, so that they can be told apart and removed afterwards; their
// position is left empty, which skips the shared-position question.
const QString kBenchNote = QStringLiteral("Nuova pratica di prova del banco");

// Why the last confirmation did not save: the last message the component showed.
std::string lastMessage(const Session& s) {
    return s.ui.messages().empty() ? std::string("no message") : s.ui.messages().back().text.toStdString();
}

// Generated cases have no accounting owner: the session's user takes them on, as a person would
// by choosing it on the references tab.
void chooseAccountingOwner(Session& s) {
    form::ListControl& owners =
        s.pratica->form().control<form::ListControl>(QStringLiteral("cmbContabilita"));
    form::ControlEvent choose{form::EventKind::Choose};
    choose.row = owners.findRow(1, QString::number(kUser));
    owners.setSelectedRow(choose.row);
    owners.fire(choose);
}

void confirmNew(benchmark::State& state, Session& s) {
    for (auto _ : state) {
        s.pratica->Inserimento();
        core::CaseHeader& h = s.pratica->header();
        h.setIdCliente(2);
        chooseAccountingOwner(s);
        s.pratica->form().txtNOTE.setText(kBenchNote);
        if (!s.pratica->Conferma()) {
            state.SkipWithError(("the new case was not saved: " + lastMessage(s)).c_str());
            break;
        }
    }
    s.rw->Execute(QStringLiteral("DELETE FROM Pratica WHERE Note = ?"), {kBenchNote});
}

void confirmNewBare(benchmark::State& state, Session& s) {
    for (auto _ : state) {
        Transaction t(*s.rw);
        {
            QSqlQuery q(s.rw->database());
            q.prepare(
                QStringLiteral("INSERT INTO Pratica (Posizione, NumPos, ID_Cliente, ID_Controparte, Note, "
                               "ID_Contab, Stato, Rilevanza) VALUES ('', 0, 2, 1, ?, ?, 'In corso', 100) "
                               "RETURNING ID_Pra"));
            q.addBindValue(kBenchNote);
            q.addBindValue(kUser);
            q.exec();
            q.next();
            benchmark::DoNotOptimize(q.value(0));
        }
        t.commit();
    }
    s.rw->Execute(QStringLiteral("DELETE FROM Pratica WHERE Note = ?"), {kBenchNote});
}

void confirmModified(benchmark::State& state, Session& s) {
    std::size_t i = 0;
    for (auto _ : state) {
        s.pratica->VisualizzaPratica(s.nextFirst(i));
        if (!s.pratica->Modifica()) {
            state.SkipWithError(("the case could not be opened for modification: " + lastMessage(s)).c_str());
            break;
        }
        chooseAccountingOwner(s);
        s.pratica->form().txtNOTE.setText(QStringLiteral("Nota aggiornata ") + QString::number(i));
        if (!s.pratica->Conferma()) {
            state.SkipWithError(("the modified case was not saved: " + lastMessage(s)).c_str());
            break;
        }
    }
}

void confirmModifiedBare(benchmark::State& state, Session& s) {
    std::size_t i = 0;
    for (auto _ : state) {
        const int id = s.nextFirst(i);
        Transaction t(*s.rw);
        s.rw->Execute(QStringLiteral("UPDATE Pratica SET Note = ? WHERE ID_Pra = ?"),
                      {QStringLiteral("Nota aggiornata ") + QString::number(i), id});
        t.commit();
    }
}

// Three letters typed in the correspondent's surname, then the list opened: one page read.
void openCorrespondents(benchmark::State& state, Session& s, const QString& typed) {
    form::ListControl& list =
        s.pratica->form().control<form::ListControl>(QStringLiteral("cmbCorrispondente"));
    for (auto _ : state) {
        list.setText(typed);
        list.fire(form::EventKind::DropDown);
        benchmark::DoNotOptimize(list.rowCount());
    }
    state.counters["rows"] = list.rowCount();
}

// The first page of a party list, by the statement the list runs: the parties `filter` admits
// whose surname starts with what was typed.
void firstPartyPageBare(benchmark::State& state, Session& s, const QString& typed, const QString& filter) {
    const QString where = typed.isEmpty() ? QString() : QStringLiteral("(CognomeRicerca LIKE ?) AND ");
    for (auto _ : state) {
        QSqlQuery q(s.rw->database());
        q.setForwardOnly(true);
        q.prepare(QStringLiteral("SELECT Cognome, Nome, ID_Ana FROM Anagrafica WHERE ") + where + filter +
                  QStringLiteral(" ORDER BY CognomeRicerca, NomeRicerca, ID_Ana LIMIT 100"));
        if (!typed.isEmpty()) q.addBindValue(typed.toLower() + QLatin1Char('%'));
        q.exec();
        int rows = 0;
        while (q.next()) ++rows;
        benchmark::DoNotOptimize(rows);
    }
}

const QString kFiltroCorrispondenti = QStringLiteral("(Categoria = 'Corrispondente' OR Categoria Is Null)");
const QString kFiltroClienti =
    QStringLiteral("(Categoria = 'Cliente' OR Categoria Is Null) AND (StatoPolis < 2 OR StatoPolis Is Null)");

// A further client's surname begun in its grid, then its drop-down opened: one page of the
// clients and parties of no category that have not left the firm.
void openClientDropDown(benchmark::State& state, Session& s, const QString& typed) {
    auto& grid = s.pratica->form().control<form::Grid>(QStringLiteral("GridClienti"));
    auto& drop = s.pratica->form().control<form::ListControl>(QStringLiteral("DropClienti"));
    grid.setTable({{typed, QString(), 1, 0}});
    grid.setCurrentCell(0, 0);
    for (auto _ : state) {
        grid.fire(form::EventKind::DropDown);
        benchmark::DoNotOptimize(drop.rowCount());
    }
    state.counters["rows"] = drop.rowCount();
}

// The linked-cases dialog of an ungrouped case: its group, its (empty) grid and the first page of
// the ungrouped cases it may link, out of every case of the firm.
void openLinkedCases(benchmark::State& state, Session& s) {
    links::DlgPratCollegate& dlg = s.pratica->section<links::CaseLinks>()->dlgPratCollegate;
    clsIDToPrat risposta;
    const int caso = s.firstCases.front();
    for (auto _ : state) {
        dlg.SettaFormPraticheCollegate(s.rw, caso, &risposta);
        benchmark::DoNotOptimize(dlg.cmbPosizione.rowCount());
    }
    state.counters["rows"] = dlg.cmbPosizione.rowCount();
}

void openLinkedCasesBare(benchmark::State& state, Session& s) {
    const int caso = s.firstCases.front();
    for (auto _ : state) {
        int rows = 0;
        for (const QString& sql :
             {QStringLiteral("SELECT R_IdCollegamento FROM Pratica WHERE ID_Pra = %1").arg(caso),
              QStringLiteral(
                  "SELECT p.ID_Pra FROM Pratica p WHERE p.R_IdCollegamento = %1 AND p.ID_Pra <> %1")
                  .arg(caso),
              QStringLiteral(
                  "SELECT p.Posizione, a.Cognome, a.Nome, p.ID_Controparte, p.ControCognome, p.ControNome, "
                  "k.Cognome, k.Nome, p.Oggetto, p.ID_Pra FROM Pratica p INNER JOIN Anagrafica a ON "
                  "a.ID_Ana = p.ID_Cliente LEFT JOIN Anagrafica k ON k.ID_Ana = p.ID_Controparte WHERE "
                  "p.R_IdCollegamento = 0 AND p.ID_Pra <> %1 AND p.ID_Pra <> 1 ORDER BY "
                  "p.PosizioneRicerca, p.ID_Pra LIMIT 100")
                  .arg(caso)}) {
            QSqlQuery q(s.rw->database());
            q.setForwardOnly(true);
            q.exec(sql);
            while (q.next()) ++rows;
        }
        benchmark::DoNotOptimize(rows);
    }
}

// The person scrolls down the whole register (nothing typed in the invoice party): each
// iteration reads the next page, however deep the list already is.
void scrollParties(benchmark::State& state, Session& s) {
    form::ListControl& list =
        s.pratica->form().control<form::ListControl>(QStringLiteral("cmbFatturaACognome"));
    list.setText(QString());
    list.fire(form::EventKind::DropDown);
    for (auto _ : state) {
        if (!list.canFetchMore()) list.fire(form::EventKind::DropDown);
        list.fetchMore();
    }
    state.counters["rows"] = list.rowCount();
}

// The same pages by the keyset statement alone, from the last row of the page before.
void scrollPartiesBare(benchmark::State& state, Session& s) {
    QVariantList last;
    for (auto _ : state) {
        QSqlQuery q(s.rw->database());
        q.setForwardOnly(true);
        q.prepare(
            QStringLiteral("SELECT Cognome, Nome, ID_Ana, CognomeRicerca, NomeRicerca FROM Anagrafica") +
            (last.isEmpty() ? QString()
                            : QStringLiteral(" WHERE ((CognomeRicerca, NomeRicerca, ID_Ana) > (?, ?, ?))")) +
            QStringLiteral(" ORDER BY CognomeRicerca, NomeRicerca, ID_Ana LIMIT 100"));
        for (const QVariant& v : last) q.addBindValue(v);
        q.exec();
        int rows = 0;
        while (q.next()) {
            if (++rows == 100) last = {q.value(3), q.value(4), q.value(2)};
        }
        if (rows < 100) last.clear();
        benchmark::DoNotOptimize(rows);
    }
}

// A busy case: 10 000 invoices (euro, lire, Swiss francs at their own rate) and 5 000 open
// agenda entries, added once to the firm's last case and kept for the next runs.
constexpr int kFattureCasoPieno = 10000, kScadenzeCasoPieno = 5000;

int casoPieno(Connection& rw) {
    const int id = scalar(rw, QStringLiteral("SELECT MAX(ID_Pra) FROM Pratica")).toInt();
    const int fatture =
        scalar(rw, QStringLiteral("SELECT COUNT(*) FROM Fatture WHERE ID_Pratica = ") + QString::number(id))
            .toInt();
    if (fatture >= kFattureCasoPieno) return id;
    Transaction t(rw);
    const QStringList valute = {QStringLiteral("EURO"), QStringLiteral("LIRA"), QStringLiteral("CHF")};
    for (int i = fatture; i < kFattureCasoPieno; ++i)
        rw.Execute(
            QStringLiteral("INSERT INTO Fatture (ID_Pratica, TipoFattura, Fs_Fattura, Imponibili, Esenti, "
                           "Competenze, TotaleFattura, ResiduoASaldo, Valuta, Cambio) VALUES (?, ?, 0, ?, 0, "
                           "?, ?, ?, ?, ?)"),
            {id, 1 + i % 5, 100 + i % 7, 50, 150 + i % 7, i % 3 == 0 ? 0 : 40, valute.at(i % 3),
             i % 3 == 2 ? 0.93 : 1.0});
    for (int i = 0; i < kScadenzeCasoPieno; ++i)
        rw.Execute(
            QStringLiteral("INSERT INTO Scadenze (Codice_Pra, Data_End, Ora, Scadenza, Parti, Effettuato) "
                           "VALUES (?, ?, '09:00', 'Udienza', 'Parti', FALSE)"),
            {id, QDate(2027, 1, 1).addDays(i % 700)});
    t.commit();
    return id;
}

// The accounting tab of the busy case: its five totals, and its agenda list.
void accountingTotals(benchmark::State& state, Session& s, int id) {
    s.pratica->VisualizzaPratica(id);
    extras::Accounting& accounting = *s.pratica->section<extras::Accounting>();
    for (auto _ : state) accounting.CaricaTotaliContabili();
}

void agendaList(benchmark::State& state, Session& s, int id) {
    s.pratica->VisualizzaPratica(id);
    extras::Accounting& accounting = *s.pratica->section<extras::Accounting>();
    for (auto _ : state) accounting.CaricaScadenzePratica();
    state.counters["entries"] = accounting.fields.GridScadenzePra.rowCount();
}

// The statements alone, every value of every row read.
void statementsBare(benchmark::State& state, Session& s, const QStringList& queries) {
    for (auto _ : state) {
        int values = 0;
        for (const QString& sql : queries) {
            QSqlQuery q(s.rw->database());
            q.setForwardOnly(true);
            q.exec(sql);
            const int columns = q.record().count();
            while (q.next())
                for (int c = 0; c < columns; ++c) values += q.value(c).isNull() ? 0 : 1;
        }
        benchmark::DoNotOptimize(values);
    }
}

// The anti-money-laundering service of a registered case as "Antiriciclaggio" opens it: the
// lists, the stored service, its subjects with their identifications, the professionals.
void openAmlService(benchmark::State& state, Session& s, int id) {
    aml::FrmGestAR& form = s.pratica->section<aml::AmlGuard>()->frmGestAR;
    for (auto _ : state) {
        form.ValorizzaAR(s.rw, id, 0, QString());
        form.apri();
        benchmark::DoNotOptimize(form.GrigliaARPrest.rowCount());
    }
    state.counters["subjects"] = form.GrigliaARPrest.rowCount();
}

QStringList amlServiceBare(int id) {
    const QString pratica = QString::number(id);
    return {QStringLiteral("SELECT id_prest, DescrPrest FROM TipiPrestazione ORDER BY id_prest"),
            QStringLiteral("SELECT id_divisa, swift, DescrDivisa FROM Divisa ORDER BY swift"),
            QStringLiteral("SELECT NomeUtente, Id_Utente, Piva, CodUteAR FROM Utenti ORDER BY NomeUtente"),
            QStringLiteral("SELECT * FROM PrestazioniAR WHERE R_IdPra = ") + pratica,
            QStringLiteral(
                "SELECT a.ID_Ana, a.Cognome, a.Nome, a.CodiceFiscale, s.IsDaTrasferire, s.R_IdAr, "
                "s.R_IdPercontoDi FROM Anagrafica a INNER JOIN SoggettiAntiRiciclaggio s ON a.ID_Ana = "
                "s.R_IdAnaSAR WHERE s.R_IdPraSAR = ") +
                pratica,
            QStringLiteral("SELECT Id_Ana FROM MultiIntesta WHERE ID_Pra = ") + pratica,
            QStringLiteral("SELECT R_IdProf FROM R_ProfessionistiCoinvolti WHERE R_IDPratica = ") + pratica};
}

// The split groups a professional's service may join, as frmFrazionata lists them.
void openSplitGroups(benchmark::State& state, Session& s, const QString& piva) {
    aml::FrmFrazionata& form = s.pratica->section<aml::AmlGuard>()->frmGestAR.frmFrazionata;
    for (auto _ : state) {
        form.ValorizzaFrazionate(s.rw, QStringLiteral("1"), piva, QString());
        form.cmbFrazreg.fire(form::EventKind::DropDown);
        benchmark::DoNotOptimize(form.cmbFrazreg.rowCount());
    }
    state.counters["groups"] = form.cmbFrazreg.rowCount();
}

QString splitGroupsBare(const QString& piva) {
    return QStringLiteral(
               "SELECT p.ProgressivoAR, p.CodicePU, p.ImportoPrest, p.DataRegPrest, p.R_IdPra, "
               "t.DescrPrest FROM PrestazioniAR p LEFT JOIN TipiPrestazione t ON p.R_TipoPrest = "
               "t.id_prest WHERE p.ProgressivoAR = p.R_IdPra AND p.IsFrazionata = TRUE AND p.Codice = '") +
           piva + QStringLiteral("' ORDER BY p.ProgressivoAR");
}

using Body = std::function<void(benchmark::State&, Session&)>;

void registerPair(const std::shared_ptr<Session>& s, int cases, const std::string& engine,
                  const std::string& measure, Body component, Body bare, RatioReporter& reporter,
                  int iterations = 0) {
    const std::string suffix = "/" + engine + "/" + std::to_string(cases);
    const std::string componentName = measure + "/access" + suffix;
    const std::string bareName = measure + "/bare" + suffix;
    for (const auto& [name, body] : {std::pair{componentName, component}, std::pair{bareName, bare}}) {
        auto* b = benchmark::RegisterBenchmark(name.c_str(),
                                               [s, body = body](benchmark::State& st) { body(st, *s); })
                      ->Unit(benchmark::kMillisecond)
                      ->UseRealTime();
        if (iterations > 0) b->Iterations(iterations);
    }
    reporter.addPair(measure, cases, componentName, bareName);
}

// The office picker's tree of the whole national catalogue, filled when its tab is shown:
// regions, the sites that seat an office, their offices.
void fillOfficeTree(benchmark::State& state, Session& s, int tab) {
    offices::DlgUffici& dlg = s.pratica->section<offices::CaseOffice>()->dlgUffici;
    clsIDToPrat risposta;
    form::TreeView& tree = tab == offices::DlgUffici::ElencoUffici ? dlg.tvUffici : dlg.tvUffTributari;
    for (auto _ : state) {
        dlg.SettaFormUffici(s.rw, &risposta, 0);
        form::ControlEvent click{form::EventKind::Click};
        click.index = tab;
        dlg.tsUffici.fire(click);
        benchmark::DoNotOptimize(tree.nodeCount());
    }
    state.counters["nodes"] = tree.nodeCount();
}

// The same statements, every row read.
void fillOfficeTreeBare(benchmark::State& state, Session& s, int tab) {
    const QStringList statements =
        tab == offices::DlgUffici::UfficiTributari
            ? QStringList{QStringLiteral(
                  "SELECT SITO.DESCRIZIONE, UfficiTributari.Descrizione AS "
                  "DescrTributario,UfficiTributari.Codice, "
                  "SITO.CODREGIONE, SITO.CODICE AS CodSito FROM SITO INNER JOIN UfficiTributari ON "
                  "SITO.CODICE = "
                  "UfficiTributari.CodSito "
                  "ORDER BY SITO.CODREGIONE, SITO.DESCRIZIONE, UfficiTributari.Descrizione")}
            : QStringList{
                  QStringLiteral("SELECT DISTINCT SITO.CODICE, SITO.DESCRIZIONE, SITO.CODREGIONE FROM SITO "
                                 "INNER JOIN UFFICIO ON SITO.CODICE = UFFICIO.CODSITO ORDER BY "
                                 "SITO.CODREGIONE, SITO.DESCRIZIONE"),
                  QStringLiteral("SELECT UFFICIO.Codice, UFFICIO.Descrizione, UFFICIO.CODSITO FROM UFFICIO "
                                 "ORDER BY UFFICIO.CODSITO, UFFICIO.Descrizione, UFFICIO.Codice")};
    for (auto _ : state) {
        int rows = 0;
        for (const QString& sql :
             statements + QStringList{QStringLiteral("Select * from REGIONE order by Descrizione Asc")}) {
            QSqlQuery q(s.rw->database());
            q.setForwardOnly(true);
            if (!q.exec(sql)) throw std::runtime_error(sql.toStdString());
            while (q.next()) ++rows;
        }
        benchmark::DoNotOptimize(rows);
    }
}

}  // namespace

void registerComponentBenchmarks(const QString& url, int cases, const std::string& engine,
                                 RatioReporter& reporter) {
    auto s = std::make_shared<Session>(url);
    registerPair(s, cases, engine, "show-case", showCase, showCaseBare, reporter);
    // A bounded number of new cases, so that the small firm stays small.
    registerPair(s, cases, engine, "confirm-new", confirmNew, confirmNewBare, reporter, 200);
    registerPair(s, cases, engine, "confirm-modified", confirmModified, confirmModifiedBare, reporter, 200);
    const QString typed = QStringLiteral("Ros");
    registerPair(
        s, cases, engine, "correspondents-3-letters",
        [typed](benchmark::State& st, Session& ss) { openCorrespondents(st, ss, typed); },
        [typed](benchmark::State& st, Session& ss) {
            firstPartyPageBare(st, ss, typed, kFiltroCorrispondenti);
        },
        reporter);
    registerPair(
        s, cases, engine, "correspondents-nothing-typed",
        [](benchmark::State& st, Session& ss) { openCorrespondents(st, ss, QString()); },
        [](benchmark::State& st, Session& ss) {
            firstPartyPageBare(st, ss, QString(), kFiltroCorrispondenti);
        },
        reporter);
    registerPair(
        s, cases, engine, "client-dropdown-3-letters",
        [typed](benchmark::State& st, Session& ss) { openClientDropDown(st, ss, typed); },
        [typed](benchmark::State& st, Session& ss) { firstPartyPageBare(st, ss, typed, kFiltroClienti); },
        reporter);
    registerPair(s, cases, engine, "linked-cases-open", openLinkedCases, openLinkedCasesBare, reporter);
    for (const auto& [name, tab] : {std::pair{"office-tree-judicial", offices::DlgUffici::ElencoUffici},
                                    std::pair{"office-tree-tax", offices::DlgUffici::UfficiTributari}}) {
        registerPair(
            s, cases, engine, name, [tab](benchmark::State& st, Session& ss) { fillOfficeTree(st, ss, tab); },
            [tab](benchmark::State& st, Session& ss) { fillOfficeTreeBare(st, ss, tab); }, reporter);
    }
    const int pieno = casoPieno(*s->rw);
    registerPair(
        s, cases, engine, "accounting-totals",
        [pieno](benchmark::State& st, Session& ss) { accountingTotals(st, ss, pieno); },
        [pieno](benchmark::State& st, Session& ss) {
            statementsBare(st, ss,
                           {extras::sqlTotaliFatture(pieno, ss.rw->dialect()),
                            extras::sqlTotaliAzioni(pieno, ss.rw->dialect())});
        },
        reporter);
    registerPair(
        s, cases, engine, "agenda-list",
        [pieno](benchmark::State& st, Session& ss) { agendaList(st, ss, pieno); },
        [pieno](benchmark::State& st, Session& ss) {
            statementsBare(st, ss, {extras::sqlScadenzeAperte(pieno)});
        },
        reporter);
    const int registrata = scalar(*s->rw, QStringLiteral("SELECT MAX(R_IdPra) FROM PrestazioniAR")).toInt();
    registerPair(
        s, cases, engine, "aml-service-open",
        [registrata](benchmark::State& st, Session& ss) { openAmlService(st, ss, registrata); },
        [registrata](benchmark::State& st, Session& ss) {
            statementsBare(st, ss, amlServiceBare(registrata));
        },
        reporter);
    const QString piva =
        scalar(*s->rw, QStringLiteral("SELECT Codice FROM PrestazioniAR WHERE IsFrazionata = TRUE "
                                      "GROUP BY Codice ORDER BY COUNT(*) DESC, Codice"))
            .toString();
    registerPair(
        s, cases, engine, "aml-split-groups",
        [piva](benchmark::State& st, Session& ss) { openSplitGroups(st, ss, piva); },
        [piva](benchmark::State& st, Session& ss) { statementsBare(st, ss, {splitGroupsBare(piva)}); },
        reporter);
    // 2 000 pages: 200 000 parties scrolled past.
    registerPair(s, cases, engine, "party-list-next-page", scrollParties, scrollPartiesBare, reporter, 2000);
}

}  // namespace tolmo::bench

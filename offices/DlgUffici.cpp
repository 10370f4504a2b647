#include "DlgUffici.h"

#include <QHash>
#include <QSet>

#include "access/TolmoAccess.h"
#include "core/model/CaseValues.h"

namespace tolmo::offices {

namespace {

using form::ControlEvent;
using form::EventKind;

const QString kRegione = QStringLiteral("R");
const QString kSito = QStringLiteral("C");
const QString kUfficio = QStringLiteral("U");

const QString kRegioni = QStringLiteral("Select * from REGIONE order by Descrizione Asc");

/// Runs `sql` read-only on `conn` and hands each row to `row`.
void perRiga(const ConnectionPtr& conn, const QString& sql, const std::function<void(Recordset&)>& row) {
    AccessoDati dati;
    dati.Apri(conn, sql, adLockReadOnly);
    for (Recordset& rs = dati.recordset(); !rs.Eof(); rs.MoveNext()) row(rs);
    dati.Chiudi();
}

/// A region at the root of `tree`, from its REGIONE row; gives the node's key.
QString aggiungeRegione(form::TreeView& tree, Recordset& regione) {
    const QString codice = regione.text(QStringLiteral("Codice")).trimmed();
    tree.addNode({}, kRegione + codice, regione.text(QStringLiteral("Descrizione")), kKeyPlus, codice);
    return kRegione + codice;
}

}  // namespace

QString DlgUffici::descrizioneUfficio(const QString& ufficio, const QString& sito, const QString& regione) {
    if (ufficio.endsWith(QLatin1String("REGIONALE")))
        return ufficio + QLatin1Char(' ') + regione + QStringLiteral(" (") + sito + QLatin1Char(')');
    return ufficio + QStringLiteral(" di ") + sito;
}

DlgUffici::DlgUffici(core::ComponentServices& services)
    : form::Form(QStringLiteral("dlgUffici")), m_services(services) {
    setCaption(QStringLiteral("Elenco degli uffici"));
    tsUffici.setTabCaption(ElencoUffici, QStringLiteral("Elenco uffici"));
    tsUffici.setTabCaption(UfficiTributari, QStringLiteral("Uffici tributari"));
    tsUffici.setTabCaption(UfficiRecenti, QStringLiteral("Uffici Recenti"));
    lblAttendere.setCaption(QStringLiteral("Attendere, caricamento elenco uffici in corso . . ."));
    cmdOk.setCaption(QStringLiteral("&Ok"));
    cmdAnnulla.setCaption(QStringLiteral("A&nnulla"));
    cmdHelp.setToolTip(QStringLiteral("Manuale"));
    cmdOk.setEnabled(false);

    // The person's view is up: the dialog opens on the recent offices when there are any.
    onShownChanged = [this](bool shown) {
        if (shown) attiva();
    };
    tsUffici.on(EventKind::Click, [this](ControlEvent& e) { schedaScelta(e.index); });
    for (form::TreeView* tree : {&tvUffici, &tvUffTributari}) {
        tree->on(EventKind::Click, [this, tree](ControlEvent& e) { nodoScelto(*tree, e.node, true); });
        // A move with the arrows selects as a click does, but opens and closes nothing.
        tree->on(EventKind::Choose, [this, tree](ControlEvent& e) { nodoScelto(*tree, e.node, false); });
        tree->on(EventKind::Expand, [tree](ControlEvent& e) { tree->setImage(e.node, kKeyMinus); });
        tree->on(EventKind::Collapse, [tree](ControlEvent& e) { tree->setImage(e.node, kKeyPlus); });
        tree->on(EventKind::DblClick, [this](ControlEvent&) {
            if (m_tipo == kUfficio) conferma();
        });
    }
    lvUfficiRecenti.on(EventKind::Choose, [this](ControlEvent& e) { recenteScelto(e.row); });
    lvUfficiRecenti.on(EventKind::DblClick, [this](ControlEvent&) {
        if (lvUfficiRecenti.selectedRow() < 0) return;
        recenteScelto(lvUfficiRecenti.selectedRow());
        conferma();
    });
    cmdOk.on(EventKind::Click, [this](ControlEvent&) {
        if (cmdOk.enabled()) conferma();
    });
    cmdAnnulla.on(EventKind::Click, [this](ControlEvent&) { setShown(false); });
}

// The case's id is taken as the case form gives it; nothing in the picker depends on it.
void DlgUffici::SettaFormUffici(ConnectionPtr conn, clsIDToPrat* answer, int /*caseId*/) {
    m_conn = std::move(conn);
    m_answer = answer;
    // Every opening fills its views afresh.
    tvUffici.clear();
    tvUffTributari.clear();
    lvUfficiRecenti.clear();
    azzeraScelta();
    m_recenti = 0;
    lblAttendere.setVisible(true);
    tsUffici.setEnabled(true);
}

void DlgUffici::attiva() {
    bool recenti = false;
    m_services.trap(QStringLiteral("Caricamento elenco uffici"), [&] {
        // Whether any case has an office: the first row answers.
        AccessoDati dati;
        dati.Apri(
            m_conn,
            QStringLiteral("SELECT DISTINCT UfficioGiudiziario FROM Pratica WHERE UfficioGiudiziario <> ''"),
            adLockReadOnly);
        recenti = !dati.recordset().Eof();
        dati.Chiudi();
    });
    if (recenti) lblAttendere.setVisible(false);
    const int scheda = recenti ? UfficiRecenti : ElencoUffici;
    if (tsUffici.current() == scheda)
        schedaScelta(scheda);
    else
        tsUffici.setCurrent(scheda);  // its Click shows the tab
}

void DlgUffici::schedaScelta(int tab) {
    cmdOk.setEnabled(false);
    azzeraScelta();
    tvUffici.setVisible(tab == ElencoUffici);
    tvUffTributari.setVisible(tab == UfficiTributari);
    lvUfficiRecenti.setVisible(tab == UfficiRecenti);
    if (tab == ElencoUffici && tvUffici.nodeCount() == 0)
        riempie(QStringLiteral("Caricamento elenco uffici"), [this] { riempieAlbero(); });
    else if (tab == UfficiTributari && tvUffTributari.nodeCount() == 0)
        riempie(QStringLiteral("Caricamento elenco uffici tributari"), [this] { riempieTributari(); });
    else if (tab == UfficiRecenti && lvUfficiRecenti.rowCount() == 0)
        m_services.trap(QStringLiteral("Caricamento elenco uffici recenti"), [this] { riempieRecenti(); });
}

void DlgUffici::riempie(const QString& action, const std::function<void()>& fill) {
    // The tabs are locked while a view fills; the person moving through them keeps the keyboard.
    const bool sulleSchede = focus() == &tsUffici;
    tsUffici.setEnabled(false);
    azzeraScelta();
    {
        form::BusyPointer busy(m_services.ui());
        lblAttendere.setVisible(true);
        m_services.ui().repaint();
        cmdOk.setEnabled(false);
        // A failure keeps what was added so far.
        m_services.trap(action, fill);
        lblAttendere.setVisible(false);
    }
    m_services.ui().repaint();
    tsUffici.setEnabled(true);
    if (sulleSchede) tsUffici.setFocus();
}

// The whole catalogue in three reads, laid out as the picker shows it: each region, the sites
// of it that seat an office (by name), each site's offices (by name). A read per region and per
// site would cost the server a round trip each: some hundreds for the country.
void DlgUffici::riempieAlbero() {
    // Sites by region and offices by site, in the order they are shown.
    QHash<QString, QList<QPair<QString, QString>>> siti;
    perRiga(
        m_conn,
        QStringLiteral("SELECT DISTINCT SITO.CODICE, SITO.DESCRIZIONE, SITO.CODREGIONE FROM SITO INNER JOIN "
                       "UFFICIO ON SITO.CODICE = UFFICIO.CODSITO ORDER BY SITO.CODREGIONE, SITO.DESCRIZIONE"),
        [&](Recordset& rs) {
            siti[rs.text(QStringLiteral("CODREGIONE")).trimmed()].append(
                {rs.text(QStringLiteral("CODICE")).trimmed(), rs.text(QStringLiteral("DESCRIZIONE"))});
        });
    QHash<QString, QList<QPair<QString, QString>>> uffici;
    perRiga(
        m_conn,
        QStringLiteral("SELECT UFFICIO.Codice, UFFICIO.Descrizione, UFFICIO.CODSITO FROM UFFICIO ORDER BY "
                       "UFFICIO.CODSITO, UFFICIO.Descrizione, UFFICIO.Codice"),
        [&](Recordset& rs) {
            uffici[rs.text(QStringLiteral("CODSITO")).trimmed()].append(
                {rs.text(QStringLiteral("Codice")).trimmed(), rs.text(QStringLiteral("Descrizione"))});
        });
    perRiga(m_conn, kRegioni, [&](Recordset& regione) {
        const QString codRegione = regione.text(QStringLiteral("Codice")).trimmed();
        const QString chiaveRegione = aggiungeRegione(tvUffici, regione);
        for (const auto& [codSito, sito] : siti.value(codRegione)) {
            const QString chiaveSito = kSito + codSito;
            tvUffici.addNode(chiaveRegione, chiaveSito, sito, kKeyPlus, codSito);
            for (const auto& [codice, ufficio] : uffici.value(codSito))
                tvUffici.addNode(chiaveSito, kUfficio + codice, ufficio, kKeyDot, codice);
        }
    });
}

// The tax offices in one read sorted by region and site: a site node each time the site
// changes within its region.
void DlgUffici::riempieTributari() {
    struct Tributario {
        QString sito, codSito, ufficio, codice;
    };
    QHash<QString, QList<Tributario>> perRegione;
    perRiga(
        m_conn,
        QStringLiteral("SELECT SITO.DESCRIZIONE, UfficiTributari.Descrizione AS DescrTributario,"
                       "UfficiTributari.Codice, SITO.CODREGIONE, SITO.CODICE AS CodSito FROM SITO INNER JOIN "
                       "UfficiTributari ON "
                       "SITO.CODICE = UfficiTributari.CodSito ORDER BY SITO.CODREGIONE, SITO.DESCRIZIONE, "
                       "UfficiTributari.Descrizione"),
        [&](Recordset& rs) {
            perRegione[rs.text(QStringLiteral("CODREGIONE")).trimmed()].append(
                {rs.text(QStringLiteral("DESCRIZIONE")), rs.text(QStringLiteral("CodSito")).trimmed(),
                 rs.text(QStringLiteral("DescrTributario")), rs.text(QStringLiteral("Codice")).trimmed()});
        });
    perRiga(m_conn, kRegioni, [&](Recordset& regione) {
        const QString codRegione = regione.text(QStringLiteral("Codice")).trimmed();
        const QString chiaveRegione = aggiungeRegione(tvUffTributari, regione);
        QString chiaveSito, sitoPrecedente;
        int siti = 0;
        for (const Tributario& t : perRegione.value(codRegione)) {
            if (siti == 0 || t.sito != sitoPrecedente) {
                // Unique within the tree: the region and the site's place in it.
                chiaveSito = kSito + codRegione + QLatin1Char('_') + QString::number(++siti);
                tvUffTributari.addNode(chiaveRegione, chiaveSito, t.sito, kKeyPlus, t.codSito);
                sitoPrecedente = t.sito;
            }
            tvUffTributari.addNode(chiaveSito, kUfficio + t.codice, t.ufficio, kKeyDot, t.codice);
        }
    });
}

// The offices of the earliest cases, each once, dated by its earliest case.
void DlgUffici::riempieRecenti() {
    m_recenti = 0;
    QSet<QString> visti;
    AccessoDati dati;
    dati.Apri(
        m_conn,
        QStringLiteral("Select CodUfficio , UfficioGiudiziario , DataInizio from Pratica where CodUfficio "
                       "<> '' order by DataInizio"),
        adLockReadOnly);
    for (Recordset& rs = dati.recordset(); !rs.Eof() && m_recenti < kMaxRecenti; rs.MoveNext()) {
        const QString codice = rs.text(QStringLiteral("CodUfficio"));
        if (visti.contains(codice)) continue;
        visti.insert(codice);
        lvUfficiRecenti.addRow(QStringList{rs.text(QStringLiteral("UfficioGiudiziario")),
                                           core::testoData(rs.value(QStringLiteral("DataInizio"))), codice});
        ++m_recenti;
    }
    dati.Chiudi();
}

void DlgUffici::nodoScelto(form::TreeView& tree, const QString& key, bool alterna) {
    const form::TreeNode* nodo = tree.node(key);
    if (!nodo) return;
    m_tipo = key.left(1);
    if (m_tipo != kUfficio) {
        azzeraScelta();
        cmdOk.setEnabled(false);
    } else {
        cmdOk.setEnabled(true);
        m_codice = nodo->tag;
        const QString sito = tree.parentKey(key);
        const form::TreeNode* nodoSito = tree.node(sito);
        const form::TreeNode* nodoRegione = tree.node(tree.parentKey(sito));
        m_descrizione = descrizioneUfficio(nodo->text, nodoSito ? nodoSito->text : QString(),
                                           nodoRegione ? nodoRegione->text : QString());
    }
    if (alterna) tree.setExpanded(key, !nodo->expanded);
}

void DlgUffici::recenteScelto(int row) {
    if (row < 0 || row >= lvUfficiRecenti.rowCount()) return;
    m_tipo.clear();
    m_descrizione = lvUfficiRecenti.cell(row, 0);
    m_codice = lvUfficiRecenti.cell(row, 2);
    cmdOk.setEnabled(true);
}

void DlgUffici::conferma() {
    if (m_answer) {
        m_answer->Ufficio = m_descrizione;
        m_answer->CodiceUfficio = m_codice;
    }
    setShown(false);
}

void DlgUffici::azzeraScelta() {
    m_tipo.clear();
    m_descrizione.clear();
    m_codice.clear();
}

}  // namespace tolmo::offices

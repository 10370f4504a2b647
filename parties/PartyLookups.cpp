#include "PartyLookups.h"

#include "ListFill.h"
#include "access/TolmoAccess.h"
#include "form/Interaction.h"

namespace tolmo::parties {

namespace {

using form::ControlEvent;
using form::EventKind;

const QString kBase = QStringLiteral("SELECT ID_Ana,Cognome,Nome FROM Anagrafica");
const QStringList kColumns = {QStringLiteral("Cognome"), QStringLiteral("Nome"), QStringLiteral("ID_Ana")};

constexpr int kEnter = 13;
constexpr int kEsc = 27;

int idOf(const form::ListControl& list, int row) { return list.cell(row, 2).toInt(); }

}  // namespace

void SelezionaInLista(int column, const QString& text, int method, form::ListControl& list) {
    int found = -1;
    if (method == 0) {
        found = list.findRow(column, text);
    } else {
        for (int r = 0; r < list.rowCount() && found < 0; ++r)
            if (list.cell(r, column).startsWith(text, Qt::CaseInsensitive)) found = r;
    }
    if (found >= 0) list.setSelectedRow(found);
}

QString TypeAheadQuery::sql(const QString& fieldText) const {
    if (fieldText.isEmpty()) return kBase + empty;
    return kBase + before + searchPattern(fieldText) + after;
}

const TypeAheadQuery& PartyLookups::queryLegaleControparte() {
    static const TypeAheadQuery q{
        QStringLiteral(" WHERE (Cognome LIKE "),
        QStringLiteral(
            ") AND (Id_Ana <> 1) AND ((Categoria='AVV. C/P') OR (Categoria IS NULL)) ORDER BY Cognome"),
        QStringLiteral(" WHERE (Id_Ana <> 1) AND ((Categoria='AVV. C/P') OR (Categoria IS NULL)) ORDER BY "
                       "Cognome,Nome")};
    return q;
}

const TypeAheadQuery& PartyLookups::queryCorrispondente() {
    static const TypeAheadQuery q{
        QStringLiteral(" WHERE (Cognome LIKE "),
        QStringLiteral(") AND (Categoria = 'Corrispondente' OR Categoria Is Null) ORDER BY Cognome"),
        QStringLiteral(" WHERE (Categoria = 'Corrispondente' OR Categoria Is Null) ORDER BY Cognome,Nome")};
    return q;
}

const TypeAheadQuery& PartyLookups::queryFatturaA() {
    static const TypeAheadQuery q{QStringLiteral(" WHERE Cognome LIKE "), QStringLiteral(" ORDER BY Cognome"),
                                  QStringLiteral(" ORDER BY Cognome,Nome")};
    return q;
}

const TypeAheadQuery& PartyLookups::queryIstruttore() {
    static const TypeAheadQuery q{
        QStringLiteral(" WHERE (Cognome LIKE "),
        QStringLiteral(") AND (Categoria = 'Istruttore' OR Categoria Is Null) ORDER BY Cognome"),
        QStringLiteral(" WHERE (Categoria = 'Istruttore' OR Categoria Is Null) ORDER BY Cognome,Nome")};
    return q;
}

const TypeAheadQuery& PartyLookups::queryProcacciatori() {
    static const TypeAheadQuery q{
        QStringLiteral(" WHERE (Cognome LIKE "),
        QStringLiteral(") AND (Id_Ana <> 1) AND (Categoria='PROCACCIATORE') ORDER BY Cognome"),
        QStringLiteral(" WHERE (Id_Ana <> 1) AND (Categoria='PROCACCIATORE') ORDER BY Cognome,Nome")};
    return q;
}

PartyLookups::PartyLookups(core::ComponentServices& services, core::PraticaForm& form)
    : m_services(services), m_form(form) {}

void PartyLookups::riempie(form::ListControl& list, const TypeAheadQuery& query, const QString& action) {
    list.clear();
    m_services.trap(action, [&] {
        form::BusyPointer busy(m_services.ui());
        riempieLista(list, m_services.connReadOnly(), query.sql(list.text()), kColumns, kRigheLookup);
    });
}

void PartyLookups::riempieLegaleControparte() {
    riempie(m_form.cmbCognomeLegaleCP, queryLegaleControparte(),
            QStringLiteral("Caricamento Legali Controparte"));
}

void PartyLookups::riempieCorrispondente() {
    riempie(m_form.cmbCorrispondente, queryCorrispondente(), QStringLiteral("Caricamento Corrispondenti"));
}

void PartyLookups::riempieFatturaA() {
    riempie(m_form.cmbFatturaACognome, queryFatturaA(), QStringLiteral("Caricamento Fatturare A"));
}

void PartyLookups::riempieIstruttore() {
    riempie(m_form.txtIstruttore, queryIstruttore(), QStringLiteral("Caricamento Istruttori"));
}

void PartyLookups::CaricaProcacciatori() {
    riempie(m_form.cmbProcacciatore, queryProcacciatori(), QStringLiteral("Caricamento Procacciatori"));
}

void PartyLookups::CercaAnagrafica(form::ListControl& list) {
    list.setSelectedRow(-1);
    list.clear();
    m_services.trap(QStringLiteral("Ricerca Anagrafica"), [&] {
        const QString condizione = FiltroRiservate(m_services.currentUser());
        form::BusyPointer busy(m_services.ui());
        QString sql = QStringLiteral("SELECT Id_Ana,Cognome,Nome FROM Anagrafica");
        if (!list.text().isEmpty())
            sql += QStringLiteral(" WHERE ((Id_Ana <> 1) AND (Cognome LIKE ") + searchPattern(list.text()) +
                   QStringLiteral(")) ") + condizione + QStringLiteral(" ORDER BY Cognome, Nome");
        else
            sql += QStringLiteral(" WHERE (Id_Ana <> 1) AND Cognome <> ''  ") + condizione +
                   QStringLiteral(" ORDER BY Cognome,Nome");
        riempieLista(list, m_services.connReadOnly(), sql, kColumns, kRigheLookup);
    });
}

bool PartyLookups::nomiAnagrafica(int id, QString* cognome, QString* nome) {
    AccessoDati dati;
    dati.Apri(m_services.connReadOnly(),
              QStringLiteral("SELECT Cognome,Nome From Anagrafica WHERE ") + QStringLiteral("ID_Ana = ") +
                  QString::number(id),
              adLockReadOnly);
    Recordset& rs = dati.recordset();
    const bool found = !rs.Eof();
    if (found) {
        if (cognome) *cognome = rs.text(QStringLiteral("Cognome")).trimmed();
        if (nome) *nome = rs.text(QStringLiteral("Nome")).trimmed();
    }
    dati.Chiudi();
    return found;
}

QString PartyLookups::NomeAnagrafica(int id) {
    QString cognome, nome;
    if (!nomiAnagrafica(id, &cognome, &nome)) return {};
    return cognome + QLatin1Char(',') + nome;
}

void PartyLookups::attach() {
    m_form.cmbCognomeLegaleCP.on(EventKind::DropDown, [this](ControlEvent&) { riempieLegaleControparte(); });
    m_form.cmbCorrispondente.on(EventKind::DropDown, [this](ControlEvent&) { riempieCorrispondente(); });
    m_form.cmbFatturaACognome.on(EventKind::DropDown, [this](ControlEvent&) { riempieFatturaA(); });
    m_form.txtIstruttore.on(EventKind::DropDown, [this](ControlEvent&) { riempieIstruttore(); });
    m_form.cmbProcacciatore.on(EventKind::DropDown, [this](ControlEvent&) { CaricaProcacciatori(); });
    attachChoices();
    attachInvalidations();
}

void PartyLookups::attachChoices() {
    core::PraticaForm& f = m_form;
    f.cmbCognomeLegaleCP.on(EventKind::Choose, [this, &f](ControlEvent& e) {
        if (e.row < 0 || e.row >= f.cmbCognomeLegaleCP.rowCount()) return;
        m_choosing = true;
        m_choices.idAcp = idOf(f.cmbCognomeLegaleCP, e.row);
        m_choices.nomeAcp = f.cmbCognomeLegaleCP.cell(e.row, 1).trimmed();
        f.txtNomeLegaleControparte.setText(m_choices.nomeAcp);
        m_choosing = false;
    });
    f.cmbCorrispondente.on(EventKind::Choose, [this, &f](ControlEvent& e) {
        if (e.row < 0 || e.row >= f.cmbCorrispondente.rowCount()) return;
        m_choosing = true;
        m_choices.idCorrispondente = idOf(f.cmbCorrispondente, e.row);
        f.cmbCorrispondente.setText(f.cmbCorrispondente.cell(e.row, 0));
        m_choices.nomeCorrispondente = f.cmbCorrispondente.cell(e.row, 1).trimmed();
        f.txtNomeCorrispondente.setText(m_choices.nomeCorrispondente);
        m_choosing = false;
    });
    f.cmbFatturaACognome.on(EventKind::Choose, [this, &f](ControlEvent& e) {
        if (e.row < 0 || e.row >= f.cmbFatturaACognome.rowCount()) return;
        m_choices.idFatturareA = idOf(f.cmbFatturaACognome, e.row);
        f.lblNomeFatturareA.setCaption(f.cmbFatturaACognome.cell(e.row, 1));
    });
    f.txtIstruttore.on(EventKind::Choose, [this, &f](ControlEvent& e) {
        if (e.row < 0 || e.row >= f.txtIstruttore.rowCount()) return;
        m_choices.idIstruttore = idOf(f.txtIstruttore, e.row);
        f.txtIstruttore.setText(f.txtIstruttore.cell(e.row, 0));
    });
}

// Our key model carries characters only: Enter and Esc keep the lawyer, every other key
// (Ctrl, Alt and Caps Lock reach no handler) means the person is typing another name.
void PartyLookups::attachInvalidations() {
    core::PraticaForm& f = m_form;
    f.cmbCognomeLegaleCP.on(EventKind::KeyPress, [this](ControlEvent& e) {
        if (!quiet() && e.key != kEnter && e.key != kEsc) m_choices.idAcp = 1;
    });
    f.txtNomeLegaleControparte.on(EventKind::Change, [this, &f](ControlEvent&) {
        if (!quiet() && f.txtNomeLegaleControparte.text() != m_choices.nomeAcp) m_choices.idAcp = 1;
    });
    f.cmbCorrispondente.on(EventKind::Change, [this](ControlEvent&) {
        if (!quiet()) m_choices.idCorrispondente = 0;
    });
    f.txtNomeCorrispondente.on(EventKind::Change, [this, &f](ControlEvent&) {
        if (!quiet() && f.txtNomeCorrispondente.text() != m_choices.nomeCorrispondente)
            m_choices.idCorrispondente = 0;
    });
    f.cmbFatturaACognome.on(EventKind::Change, [this](ControlEvent&) {
        if (!quiet()) m_choices.idFatturareA = 0;
    });
}

}  // namespace tolmo::parties

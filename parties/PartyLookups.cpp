#include "PartyLookups.h"

#include "access/TolmoAccess.h"
#include "core/model/CaseHeader.h"
#include "core/model/CaseValues.h"
#include "core/model/ListFill.h"
#include "form/Interaction.h"

namespace tolmo::parties {

namespace {

using form::ControlEvent;
using form::EventKind;

/// The keys that leave the chosen lawyer alone.
bool tieneLegale(int key) {
    namespace k = form::keys;
    return key == k::Enter || key == k::Esc || key == k::Ctrl || key == k::Alt || key == k::CapsLock;
}

int idOf(const form::ListControl& list, int row) { return list.cell(row, 2).toInt(); }

}  // namespace

PagedQuery TypeAheadQuery::query(const QString& fieldText) const {
    QStringList conditions;
    if (!fieldText.isEmpty()) conditions << core::cognomeInizia(fieldText);
    if (!filter.isEmpty()) conditions << filter;
    return core::partiAnagrafica(conditions.join(QStringLiteral(" AND ")));
}

const TypeAheadQuery& PartyLookups::queryLegaleControparte() {
    static const TypeAheadQuery q{
        QStringLiteral("(Id_Ana <> 1) AND ((Categoria='AVV. C/P') OR (Categoria IS NULL))")};
    return q;
}

const TypeAheadQuery& PartyLookups::queryCorrispondente() {
    static const TypeAheadQuery q{QStringLiteral("(Categoria = 'Corrispondente' OR Categoria Is Null)")};
    return q;
}

const TypeAheadQuery& PartyLookups::queryFatturaA() {
    static const TypeAheadQuery q{};
    return q;
}

const TypeAheadQuery& PartyLookups::queryIstruttore() {
    static const TypeAheadQuery q{QStringLiteral("(Categoria = 'Istruttore' OR Categoria Is Null)")};
    return q;
}

const TypeAheadQuery& PartyLookups::queryProcacciatori() {
    static const TypeAheadQuery q{QStringLiteral("(Id_Ana <> 1) AND (Categoria='PROCACCIATORE')")};
    return q;
}

namespace {

/// Fills `list` from `query` under the busy pointer; each page's failure is reported with `action`.
void riempiePaginata(core::ComponentServices& services, form::ListControl& list, PagedQuery query,
                     const QString& action) {
    list.clear();
    services.trap(action, [&] {
        form::BusyPointer busy(services.ui());
        core::riempieLista(
            list, services.connReadOnly(), std::move(query),
            [&services, action](const std::function<void()>& read) { services.trap(action, read); });
    });
}

}  // namespace

void riempieDaRegistro(core::ComponentServices& services, form::ListControl& list,
                       const TypeAheadQuery& query, const QString& action) {
    riempiePaginata(services, list, query.query(list.text()), action);
}

PartyLookups::PartyLookups(core::ComponentServices& services, core::PraticaForm& form)
    : fields(form), m_services(services), m_form(form) {
    PartyFields& f = fields;
    f.cmbCognomeLegaleCP.on(EventKind::DropDown, [this](ControlEvent&) { riempieLegaleControparte(); });
    f.cmbCorrispondente.on(EventKind::DropDown, [this](ControlEvent&) { riempieCorrispondente(); });
    f.cmbFatturaACognome.on(EventKind::DropDown, [this](ControlEvent&) { riempieFatturaA(); });
    m_form.txtIstruttore.on(EventKind::DropDown, [this](ControlEvent&) { riempieIstruttore(); });
    attachChoices();
    attachInvalidations();
}

void PartyLookups::riempieLegaleControparte() {
    riempieDaRegistro(m_services, fields.cmbCognomeLegaleCP, queryLegaleControparte(),
                      QStringLiteral("Caricamento Legali Controparte"));
}

void PartyLookups::riempieCorrispondente() {
    riempieDaRegistro(m_services, fields.cmbCorrispondente, queryCorrispondente(),
                      QStringLiteral("Caricamento Corrispondenti"));
}

void PartyLookups::riempieFatturaA() {
    riempieDaRegistro(m_services, fields.cmbFatturaACognome, queryFatturaA(),
                      QStringLiteral("Caricamento Fatturare A"));
}

void PartyLookups::riempieIstruttore() {
    riempieDaRegistro(m_services, m_form.txtIstruttore, queryIstruttore(),
                      QStringLiteral("Caricamento Istruttori"));
}

void CercaAnagrafica(core::ComponentServices& services, form::ListControl& list) {
    list.setSelectedRow(-1);
    QString where = QStringLiteral("(Id_Ana <> 1)");
    where += list.text().isEmpty() ? QStringLiteral(" AND Cognome <> ''")
                                   : QStringLiteral(" AND ") + core::cognomeInizia(list.text());
    riempiePaginata(services, list,
                    core::partiAnagrafica(where + core::FiltroRiservate(services.currentUser())),
                    QStringLiteral("Ricerca Anagrafica"));
}

bool nomiAnagrafica(const ConnectionPtr& conn, int id, QString* cognome, QString* nome) {
    AccessoDati dati;
    dati.Apri(conn,
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

bool PartyLookups::nomiAnagrafica(int id, QString* cognome, QString* nome) {
    return parties::nomiAnagrafica(m_services.connReadOnly(), id, cognome, nome);
}

QString PartyLookups::NomeAnagrafica(int id) {
    QString cognome, nome;
    if (!nomiAnagrafica(id, &cognome, &nome)) return {};
    return cognome + QLatin1Char(',') + nome;
}

void PartyLookups::attachChoices() {
    PartyFields& f = fields;
    f.cmbCognomeLegaleCP.on(EventKind::Choose, [this, &f](ControlEvent& e) {
        if (e.row < 0 || e.row >= f.cmbCognomeLegaleCP.rowCount()) return;
        m_choosing = true;
        m_choices.idAcp = idOf(f.cmbCognomeLegaleCP, e.row);
        m_choices.cognomeAcp = f.cmbCognomeLegaleCP.text();
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
    ListControl& istruttore = m_form.txtIstruttore;
    istruttore.on(EventKind::Choose, [this, &istruttore](ControlEvent& e) {
        if (e.row < 0 || e.row >= istruttore.rowCount()) return;
        m_choices.idIstruttore = idOf(istruttore, e.row);
        istruttore.setText(istruttore.cell(e.row, 0));
    });
}

// Any key but Enter, Ctrl, Alt, Caps Lock and Esc in the lawyer's field means the person is
// after another lawyer; so does a surname changed without a key (cut, paste).
void PartyLookups::attachInvalidations() {
    PartyFields& f = fields;
    f.cmbCognomeLegaleCP.on(EventKind::KeyDown, [this](ControlEvent& e) {
        if (!quiet() && !tieneLegale(e.key)) m_choices.idAcp = 1;
    });
    f.cmbCognomeLegaleCP.on(EventKind::Change, [this, &f](ControlEvent&) {
        if (!quiet() && f.cmbCognomeLegaleCP.text() != m_choices.cognomeAcp) m_choices.idAcp = 1;
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

// ---------------------------------------------------------------- the case cycle

namespace tolmo::parties {

namespace {

struct NomiParte {
    int id = 1;
    QString cognome, nome;
};

}  // namespace

void PartyLookups::clear() {
    PartyFields& f = fields;
    m_form.txtIstruttore.setText(QString());
    for (form::Control* c : {static_cast<form::Control*>(&f.cmbCognomeLegaleCP), &f.txtNomeLegaleControparte,
                             static_cast<form::Control*>(&f.cmbFatturaACognome),
                             static_cast<form::Control*>(&f.cmbCorrispondente), &f.txtNomeCorrispondente})
        c->setText(QString());
    f.lblNomeFatturareA.setCaption(QString());
}

// The counterparty's lawyer and the party to invoice belong with the general data.
void PartyLookups::beginEdit() {
    for (form::Control* c :
         {static_cast<form::Control*>(&fields.cmbCognomeLegaleCP), &fields.txtNomeLegaleControparte,
          static_cast<form::Control*>(&fields.cmbFatturaACognome)})
        c->setEnabled(true);
}

void PartyLookups::consult() {
    for (form::Control* c :
         {&fields.frameCorrispondente, static_cast<form::Control*>(&fields.cmbCognomeLegaleCP),
          &fields.txtNomeLegaleControparte, static_cast<form::Control*>(&fields.cmbFatturaACognome)})
        c->setEnabled(false);
}

void PartyLookups::tabChanged(int tab, short editState) {
    fields.frameCorrispondente.setEnabled(tab == core::TabRiferimenti && (editState == 2 || editState == 3));
}

void PartyLookups::show(core::ShowContext& ctx) {
    Recordset& rs = ctx.row;
    PartyFields& f = fields;
    m_form.txtIstruttore.setText(rs.text(QStringLiteral("Istruttore")));
    m_choices.idIstruttore = rs.value(QStringLiteral("Id_Istruttore")).toInt();

    // A registered counterparty shows its register names in the header; one typed by hand (1)
    // shows what the header read with the case.
    QString cognome, nome;
    const int controparte = rs.value(QStringLiteral("ID_Controparte")).toInt();
    if (controparte != 1 && nomiAnagrafica(controparte, &cognome, &nome)) {
        m_services.header().setCognomeControparte(cognome);
        m_services.header().setNomeControparte(nome);
    }

    // A party of the case is either registered (its names come from the register) or typed by
    // hand (id 1, the names stored in the case row).
    const auto parte = [&](const QString& idColumn, const QString& cognomeColumn, const QString& nomeColumn) {
        NomiParte p;
        const int id = rs.value(idColumn).toInt();
        if (id > 1) {
            p.id = id;
            nomiAnagrafica(id, &p.cognome, &p.nome);
        } else {
            p.cognome = rs.text(cognomeColumn);
            p.nome = rs.text(nomeColumn);
        }
        return p;
    };

    const NomiParte acp =
        parte(QStringLiteral("ID_Acp"), QStringLiteral("AcpCognome"), QStringLiteral("AcpNome"));
    m_choices.idAcp = acp.id;
    m_choices.cognomeAcp = acp.cognome;
    m_choices.nomeAcp = acp.nome;
    f.cmbCognomeLegaleCP.setText(acp.cognome);
    f.txtNomeLegaleControparte.setText(acp.nome);

    // No invoice party (1) shows nothing: the fields keep no name of the case shown before.
    m_choices.idFatturareA = rs.value(QStringLiteral("ID_FatturareA")).toInt();
    cognome.clear();
    nome.clear();
    if (m_choices.idFatturareA > 1) nomiAnagrafica(m_choices.idFatturareA, &cognome, &nome);
    f.cmbFatturaACognome.setText(cognome);
    f.lblNomeFatturareA.setCaption(nome);

    const NomiParte corrispondente =
        parte(QStringLiteral("ID_Corrispondente"), QStringLiteral("CognomeCorrispondente"),
              QStringLiteral("NomeCorrispondente"));
    m_choices.idCorrispondente = corrispondente.id;
    m_choices.nomeCorrispondente = corrispondente.nome;
    f.cmbCorrispondente.setText(corrispondente.cognome);
    f.txtNomeCorrispondente.setText(corrispondente.nome);
}

std::optional<core::Refusal> PartyLookups::validate() {
    if (fields.cmbFatturaACognome.text().isEmpty() || m_choices.idFatturareA > 1) return std::nullopt;
    return core::Refusal{QStringLiteral("ATTENZIONE : L'Intestatario della fatturazione non esiste.") +
                             QLatin1Char('\r') + QStringLiteral("Selezionarlo dall'archivio."),
                         form::MsgIcon::None, true};
}

void PartyLookups::writeRow(core::SaveContext& ctx) {
    Recordset& rs = ctx.row;
    PartyFields& f = fields;
    core::scriviTesto(rs, QStringLiteral("Istruttore"), m_form.txtIstruttore.text());
    rs.setValue(QStringLiteral("Id_Istruttore"), m_choices.idIstruttore);

    const bool acpRegistrato = m_choices.idAcp >= 2;
    rs.setValue(QStringLiteral("ID_Acp"), acpRegistrato ? m_choices.idAcp : 1);
    core::scriviTesto(rs, QStringLiteral("AcpCognome"),
                      acpRegistrato ? QString() : f.cmbCognomeLegaleCP.text());
    core::scriviTesto(rs, QStringLiteral("AcpNome"),
                      acpRegistrato ? QString() : f.txtNomeLegaleControparte.text());

    rs.setValue(QStringLiteral("ID_FatturareA"), m_choices.idFatturareA > 1 ? m_choices.idFatturareA : 1);

    const bool corrispondenteRegistrato = m_choices.idCorrispondente > 1;
    rs.setValue(QStringLiteral("ID_Corrispondente"),
                corrispondenteRegistrato ? m_choices.idCorrispondente : 1);
    core::scriviTesto(rs, QStringLiteral("CognomeCorrispondente"),
                      corrispondenteRegistrato ? QString() : f.cmbCorrispondente.text());
    core::scriviTesto(rs, QStringLiteral("NomeCorrispondente"),
                      corrispondenteRegistrato ? QString() : f.txtNomeCorrispondente.text());
}

}  // namespace tolmo::parties

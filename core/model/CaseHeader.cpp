#include "CaseHeader.h"

#include <QRegularExpression>
#include <QScopedValueRollback>

#include "ComponentServices.h"
#include "access/Recordset.h"
#include "access/SqlText.h"
#include "core/model/ListFill.h"
#include "form/Interaction.h"

namespace tolmo::core {

namespace {

using form::ControlEvent;
using form::EventKind;

constexpr int kClienteNonRegistrato = 0;
constexpr int kControparteDigitata = 1;

/// The entries a person types in: text boxes and the two surname lists (not the case picker).
bool isEntry(const form::Control* c) {
    return c->kind() == form::ControlKind::TextBox ||
           (c->kind() == form::ControlKind::ComboBox && c->name() != QStringLiteral("cmbPratica"));
}

}  // namespace

CaseHeader::Controls::Controls() : form::Form(QStringLiteral("ctlTestata1")) {
    lblTitolo.setCaption(QString());
    lblPenale.setCaption(QStringLiteral("PENALE"));
    lblPenale.setVisible(false);
    cmdInfoCliente.setToolTip(QStringLiteral("Informazioni sul cliente"));
    cmdInfoControparte.setToolTip(QStringLiteral("Informazioni sulla controparte"));
}

CaseHeader::CaseHeader() {
    setMode(Consultation);
    attach();
    m_ui.cmdInfoCliente.on(EventKind::Click, [this](ControlEvent&) { emit parteCliccata(m_idCliente); });
    m_ui.cmdInfoControparte.on(EventKind::Click,
                               [this](ControlEvent&) { emit parteCliccata(m_idControparte); });
}

void CaseHeader::setConnection(ConnectionPtr conn, int userId) {
    m_conn = std::move(conn);
    m_userId = userId;
}

void CaseHeader::setPenale(bool on) {
    m_penale = on;
    m_ui.lblPenale.setVisible(on);
}

void CaseHeader::setMode(Mode mode) {
    m_mode = mode;
    if (mode != Insertion) m_proposta.clear();
    for (form::Control* c : m_ui.controls()) {
        if (isEntry(c)) c->setLocked(mode == Consultation);
    }
    // Another case is picked only while nothing is being edited.
    m_ui.cmbPratica.setLocked(mode != Consultation);
}

void CaseHeader::caricaPratica(int id) {
    clear();
    const QScopedValueRollback<bool> hush(m_quiet, true);
    m_caseId = id;
    if (!connection() || id <= 0) return;
    Recordset rs(connection(),
                 QStringLiteral("SELECT p.Posizione, p.NumeroRegGenerale, p.ID_Cliente, p.ID_Controparte, "
                                "p.ControCognome, p.ControNome, c.Cognome AS CliCognome, c.Nome AS CliNome, "
                                "k.Cognome AS CpCognome, k.Nome AS CpNome, cl.Descrizione AS Classificatore "
                                "FROM Pratica p LEFT JOIN Anagrafica c ON c.ID_Ana = p.ID_Cliente "
                                "LEFT JOIN Anagrafica k ON k.ID_Ana = p.ID_Controparte "
                                "LEFT JOIN Classificatore cl ON cl.ID_Cla = p.ID_Cla WHERE p.ID_Pra = ?"),
                 adLockReadOnly, {id});
    if (rs.Eof()) return;
    setPosizione(rs.text(QStringLiteral("Posizione")).trimmed());
    setNumeroRegGenerale(rs.text(QStringLiteral("NumeroRegGenerale")).trimmed());
    m_idCliente = rs.value(QStringLiteral("ID_Cliente")).toInt();
    setCognomeCliente(rs.text(QStringLiteral("CliCognome")).trimmed());
    setNomeCliente(rs.text(QStringLiteral("CliNome")).trimmed());
    m_idControparte = rs.value(QStringLiteral("ID_Controparte")).toInt();
    const bool freeText = m_idControparte <= 1;
    setCognomeControparte(
        rs.text(freeText ? QStringLiteral("ControCognome") : QStringLiteral("CpCognome")).trimmed());
    setNomeControparte(rs.text(freeText ? QStringLiteral("ControNome") : QStringLiteral("CpNome")).trimmed());
    const QString classificatore = rs.text(QStringLiteral("Classificatore")).trimmed();
    m_ui.lblTitolo.setCaption(classificatore);
    setPenale(classificatore.compare(QStringLiteral("PENALE"), Qt::CaseInsensitive) == 0);
}

void CaseHeader::clear() {
    m_caseId = 0;
    m_proposta.clear();
    m_idCliente = 0;
    m_idControparte = 0;
    const QScopedValueRollback<bool> hush(m_quiet, true);
    for (form::Control* c : m_ui.controls()) {
        if (auto* list = dynamic_cast<form::ListControl*>(c)) list->clear();
        if (c->kind() == form::ControlKind::TextBox || c->kind() == form::ControlKind::ComboBox)
            c->setText(QString());
    }
    m_ui.lblTitolo.setCaption(QString());
    setPenale(false);
}

QString CaseHeader::consolidato(const QString& text) {
    static const QRegularExpression blanks(QStringLiteral(" {2,}"));
    return text.trimmed().replace(blanks, QStringLiteral(" "));
}

void CaseHeader::consolidaCampi(short from, short to) {
    form::Control* fields[] = {&m_ui.txtPosizione,   &m_ui.txtNumeroRegGenerale,  &m_ui.txtCognomeCliente,
                               &m_ui.txtNomeCliente, &m_ui.txtCognomeControparte, &m_ui.txtNomeControparte};
    for (int i = std::max<int>(from, 0); i <= to && i < static_cast<int>(std::size(fields)); ++i)
        quietly(*fields[i], consolidato(fields[i]->text()));  // no one typed: the ids stay
}

ConnectionPtr CaseHeader::connection() const {
    if (m_services && m_services->connReadOnly()) return m_services->connReadOnly();
    return m_conn;
}

platform::FixedUser CaseHeader::utente() const {
    if (!m_services) return {m_userId, {}};
    const platform::CurrentUser& user = m_services->currentUser();
    return {user.id(), user.groups()};
}

bool CaseHeader::quiet() const { return m_quiet || (m_services && m_services->filling()); }

void CaseHeader::quietly(form::Control& c, const QString& text) {
    const QScopedValueRollback<bool> hush(m_quiet, true);
    c.setText(text);
}

PagedQuery CaseHeader::queryParti(const QString& categoria, const QString& typed, const QString& filtro) {
    QString where = QStringLiteral("((Categoria=") + tolmo::ApiciSQL(categoria) +
                    QStringLiteral(") OR (Categoria IS NULL)) AND (Id_Ana <> 1)") + filtro;
    if (!typed.isEmpty()) where += QStringLiteral(" AND ") + cognomeInizia(typed);
    return partiAnagrafica(where);
}

PagedQuery CaseHeader::queryPratiche(const QString& typed, int userId, const QStringList& groups) {
    QString where = QStringLiteral("(p.ID_Pra <> 1)");
    if (userId != tolmo::kUtenteSenzaFiltro) {
        where += QStringLiteral(" AND (p.ID_Riservata IN (0,") + QString::number(userId) +
                 QStringLiteral(")) AND (p.Fk_Gruppo IS NULL");
        QStringList quoted;
        for (const QString& g : groups) quoted.append(tolmo::ApiciSQL(g));
        if (!quoted.isEmpty()) where += QStringLiteral(" OR p.Fk_Gruppo IN (") + quoted.join(u',') + u')';
        where += u')';
    }
    if (!typed.isEmpty()) {
        const QString pattern = tolmo::keyPattern(typed);
        where += QStringLiteral(" AND ((p.PosizioneRicerca LIKE ") + pattern +
                 QStringLiteral(") OR (a.CognomeRicerca LIKE ") + pattern + QStringLiteral("))");
    }
    return {{QStringLiteral("p.Posizione"), QStringLiteral("a.Cognome"), QStringLiteral("p.ID_Pra")},
            QStringLiteral("Pratica p LEFT JOIN Anagrafica a ON a.ID_Ana = p.ID_Cliente"),
            where,
            {QStringLiteral("p.PosizioneRicerca"), QStringLiteral("p.ID_Pra")}};
}

void CaseHeader::riempie(form::ListControl& list, PagedQuery query, const QString& action) {
    list.clear();
    const ConnectionPtr conn = connection();
    if (!conn) return;
    if (!m_services) {
        // Without the component there is nobody to report to: a failed page ends the list.
        riempieLista(list, conn, std::move(query), [](const std::function<void()>& read) {
            try {
                read();
            } catch (const DbError&) {
            }
        });
        return;
    }
    form::BusyPointer busy(m_services->ui());
    ComponentServices* services = m_services;
    riempieLista(list, conn, std::move(query),
                 [services, action](const std::function<void()>& read) { services->trap(action, read); });
}

void CaseHeader::cercaClienti() {
    const platform::FixedUser user = utente();
    riempie(m_ui.txtCognomeCliente,
            queryParti(QStringLiteral("Cliente"), m_ui.txtCognomeCliente.text(), core::FiltroRiservate(user)),
            QStringLiteral("Ricerca Clienti"));
}

void CaseHeader::cercaControparti() {
    const platform::FixedUser user = utente();
    riempie(m_ui.txtCognomeControparte,
            queryParti(QStringLiteral("Controparte"), m_ui.txtCognomeControparte.text(),
                       core::FiltroRiservate(user)),
            QStringLiteral("Ricerca Controparti"));
}

void CaseHeader::cercaPratiche() {
    const platform::FixedUser user = utente();
    riempie(m_ui.cmbPratica, queryPratiche(m_ui.cmbPratica.text(), user.id(), user.groups()),
            QStringLiteral("Ricerca Pratiche"));
}

void CaseHeader::attachParty(form::ListControl& cognome, form::Control& nome, int* id, int idDigitato) {
    cognome.on(EventKind::Choose, [this, &cognome, &nome, id](ControlEvent& e) {
        if (e.row < 0 || e.row >= cognome.rowCount()) return;
        *id = cognome.cell(e.row, 2).toInt();
        quietly(nome, cognome.cell(e.row, 1).trimmed());
    });
    cognome.on(EventKind::Change, [this, id, idDigitato](ControlEvent&) {
        if (!quiet()) *id = idDigitato;
    });
}

void CaseHeader::attach() {
    m_ui.txtCognomeCliente.on(EventKind::DropDown, [this](ControlEvent&) { cercaClienti(); });
    m_ui.txtCognomeControparte.on(EventKind::DropDown, [this](ControlEvent&) { cercaControparti(); });
    m_ui.cmbPratica.on(EventKind::DropDown, [this](ControlEvent&) { cercaPratiche(); });
    attachParty(m_ui.txtCognomeCliente, m_ui.txtNomeCliente, &m_idCliente, kClienteNonRegistrato);
    attachParty(m_ui.txtCognomeControparte, m_ui.txtNomeControparte, &m_idControparte, kControparteDigitata);
    m_ui.cmbPratica.on(EventKind::Choose, [this](ControlEvent& e) {
        const int id = m_ui.cmbPratica.cell(e.row, 2).toInt();
        if (id > 0) emit praticaScelta(id);
    });
}

}  // namespace tolmo::core

#include "CaseHeader.h"

#include "access/Recordset.h"

#include <QRegularExpression>

namespace tolmo::core {

CaseHeader::Controls::Controls() : form::Form(QStringLiteral("ctlTestata1")) {
    lblTitolo.setCaption(QString());
    lblPenale.setCaption(QStringLiteral("PENALE"));
    lblPenale.setVisible(false);
}

CaseHeader::CaseHeader() { setMode(Consultation); }

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
    for (form::Control* c : m_ui.controls()) {
        if (c->kind() == form::ControlKind::TextBox) c->setLocked(mode == Consultation);
    }
}

void CaseHeader::caricaPratica(int id) {
    clear();
    m_caseId = id;
    if (!m_conn || id <= 0) return;
    Recordset rs(m_conn,
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
    setCognomeControparte(rs.text(freeText ? QStringLiteral("ControCognome") : QStringLiteral("CpCognome")).trimmed());
    setNomeControparte(rs.text(freeText ? QStringLiteral("ControNome") : QStringLiteral("CpNome")).trimmed());
    const QString classificatore = rs.text(QStringLiteral("Classificatore")).trimmed();
    m_ui.lblTitolo.setCaption(classificatore);
    setPenale(classificatore.compare(QStringLiteral("PENALE"), Qt::CaseInsensitive) == 0);
}

void CaseHeader::clear() {
    m_caseId = 0;
    m_idCliente = 0;
    m_idControparte = 0;
    for (form::Control* c : m_ui.controls()) {
        if (c->kind() == form::ControlKind::TextBox) c->setText(QString());
    }
    m_ui.lblTitolo.setCaption(QString());
    setPenale(false);
}

void CaseHeader::consolidaCampi(short from, short to) {
    form::Control* fields[] = {&m_ui.txtPosizione,      &m_ui.txtNumeroRegGenerale,  &m_ui.txtCognomeCliente,
                               &m_ui.txtNomeCliente,    &m_ui.txtCognomeControparte, &m_ui.txtNomeControparte};
    static const QRegularExpression blanks(QStringLiteral(" {2,}"));
    for (int i = std::max<int>(from, 0); i <= to && i < static_cast<int>(std::size(fields)); ++i) {
        fields[i]->setText(fields[i]->text().trimmed().replace(blanks, QStringLiteral(" ")));
    }
}

}  // namespace tolmo::core

#pragma once
// The case header strip (ctlTestata1): position, register number, client and counterparty
// of the case on screen, and the mode the case form is in.

#include "access/Connection.h"
#include "form/Form.h"

#include <QObject>
#include <array>

namespace tolmo::core {

class CaseHeader : public QObject {
    Q_OBJECT
public:
    enum Mode : short { Insertion = 1, Modification = 2, Consultation = 3 };

    CaseHeader();

    /// The header's own controls, named "ctlTestata1.CONTROL" by the JSON driver.
    struct Controls : form::Form {
        Controls();
        form::Control lblTitolo{this, QStringLiteral("lblTitolo"), form::ControlKind::Label};
        form::Control txtPosizione{this, QStringLiteral("txtPosizione"), form::ControlKind::TextBox};
        form::Control txtNumeroRegGenerale{this, QStringLiteral("txtNumeroRegGenerale"), form::ControlKind::TextBox};
        form::Control txtCognomeCliente{this, QStringLiteral("txtCognomeCliente"), form::ControlKind::TextBox};
        form::Control txtNomeCliente{this, QStringLiteral("txtNomeCliente"), form::ControlKind::TextBox};
        form::Control txtCognomeControparte{this, QStringLiteral("txtCognomeControparte"), form::ControlKind::TextBox};
        form::Control txtNomeControparte{this, QStringLiteral("txtNomeControparte"), form::ControlKind::TextBox};
        form::Control lblPenale{this, QStringLiteral("lblPenale"), form::ControlKind::Label};
    };
    Controls& controls() { return m_ui; }

    /// The connection and the user the header looks cases up with.
    void setConnection(ConnectionPtr conn, int userId);
    int userId() const { return m_userId; }

    int idCliente() const { return m_idCliente; }
    void setIdCliente(int id) { m_idCliente = id; }
    QString cognomeCliente() const { return m_ui.txtCognomeCliente.text(); }
    void setCognomeCliente(const QString& s) { m_ui.txtCognomeCliente.setText(s); }
    QString nomeCliente() const { return m_ui.txtNomeCliente.text(); }
    void setNomeCliente(const QString& s) { m_ui.txtNomeCliente.setText(s); }
    int idControparte() const { return m_idControparte; }
    void setIdControparte(int id) { m_idControparte = id; }
    QString cognomeControparte() const { return m_ui.txtCognomeControparte.text(); }
    void setCognomeControparte(const QString& s) { m_ui.txtCognomeControparte.setText(s); }
    QString nomeControparte() const { return m_ui.txtNomeControparte.text(); }
    void setNomeControparte(const QString& s) { m_ui.txtNomeControparte.setText(s); }
    QString posizione() const { return m_ui.txtPosizione.text(); }
    void setPosizione(const QString& s) { m_ui.txtPosizione.setText(s); }
    QString numeroRegGenerale() const { return m_ui.txtNumeroRegGenerale.text(); }
    void setNumeroRegGenerale(const QString& s) { m_ui.txtNumeroRegGenerale.setText(s); }
    bool isPenale() const { return m_penale; }
    void setPenale(bool on);
    Mode mode() const { return m_mode; }
    /// Consultation locks the header's fields; insertion and modification open them.
    void setMode(Mode mode);
    /// The case the header shows, 0 when none.
    int caseId() const { return m_caseId; }
    /// The text the header shows before the counterparty in a recent-cases entry.
    QString descrizione() const { return cognomeCliente().trimmed(); }

    /// Loads the header fields of case `id`; a case that does not exist empties the header.
    void caricaPratica(int id);
    void clear();

    /// Set while a case typed in an insertion still carries provisional header text.
    bool provvisorio() const { return m_provvisorio; }
    void setProvvisorio(bool on) { m_provvisorio = on; }
    /// Trims and collapses repeated blanks in the header fields numbered from..to
    /// (0 position, 1 register number, 2-3 client, 4-5 counterparty; higher numbers are ignored).
    void consolidaCampi(short from, short to);

signals:
    /// The person picked another case in the header.
    void praticaScelta(int id);

private:
    Controls m_ui;
    ConnectionPtr m_conn;
    int m_userId = 1;
    int m_idCliente = 0;
    int m_idControparte = 0;
    int m_caseId = 0;
    bool m_penale = false;
    bool m_provvisorio = false;
    Mode m_mode = Consultation;
};

}  // namespace tolmo::core

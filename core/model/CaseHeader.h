#pragma once
// The case header strip (ctlTestata1): position, register number, client and counterparty
// of the case on screen, and the mode the case form is in. The client and counterparty
// surnames are type-ahead lists over the register; the case picker finds another case.

#include <QObject>
#include <array>

#include "access/Connection.h"
#include "access/PagedQuery.h"
#include "form/Form.h"
#include "platform/CurrentUser.h"

namespace tolmo::core {

class ComponentServices;

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
        form::Control txtNumeroRegGenerale{this, QStringLiteral("txtNumeroRegGenerale"),
                                           form::ControlKind::TextBox};
        /// Columns: Cognome, Nome, ID_Ana.
        form::ListControl txtCognomeCliente{this, QStringLiteral("txtCognomeCliente"),
                                            form::ControlKind::ComboBox, 3};
        form::Control txtNomeCliente{this, QStringLiteral("txtNomeCliente"), form::ControlKind::TextBox};
        /// Columns: Cognome, Nome, ID_Ana.
        form::ListControl txtCognomeControparte{this, QStringLiteral("txtCognomeControparte"),
                                                form::ControlKind::ComboBox, 3};
        form::Control txtNomeControparte{this, QStringLiteral("txtNomeControparte"),
                                         form::ControlKind::TextBox};
        form::Control lblPenale{this, QStringLiteral("lblPenale"), form::ControlKind::Label};
        /// The party cards of the client and of the counterparty the header shows.
        form::Control cmdInfoCliente{this, QStringLiteral("cmdInfoCliente"), form::ControlKind::Button};
        form::Control cmdInfoControparte{this, QStringLiteral("cmdInfoControparte"),
                                         form::ControlKind::Button};
        /// The case picker. Columns: position, client surname, ID_Pra.
        form::ListControl cmbPratica{this, QStringLiteral("cmbPratica"), form::ControlKind::ComboBox, 3};
    };
    Controls& controls() { return m_ui; }

    /// The connection and the user the header looks cases up with (until services are given).
    void setConnection(ConnectionPtr conn, int userId);
    int userId() const { return m_userId; }
    /// The component's services: from then on the header reads on their read-only connection,
    /// filters by their current user, shows their busy pointer and reports errors through their
    /// trap; while they say a case is being filled, typing does not reset the chosen ids.
    void setServices(ComponentServices* services) { m_services = services; }

    /// The setters below leave the ids alone; a person typing in a surname resets its id
    /// (client 0: not in the register; counterparty 1: typed by hand).
    int idCliente() const { return m_idCliente; }
    void setIdCliente(int id) { m_idCliente = id; }
    QString cognomeCliente() const { return m_ui.txtCognomeCliente.text(); }
    void setCognomeCliente(const QString& s) { quietly(m_ui.txtCognomeCliente, s); }
    QString nomeCliente() const { return m_ui.txtNomeCliente.text(); }
    void setNomeCliente(const QString& s) { m_ui.txtNomeCliente.setText(s); }
    int idControparte() const { return m_idControparte; }
    void setIdControparte(int id) { m_idControparte = id; }
    QString cognomeControparte() const { return m_ui.txtCognomeControparte.text(); }
    void setCognomeControparte(const QString& s) { quietly(m_ui.txtCognomeControparte, s); }
    QString nomeControparte() const { return m_ui.txtNomeControparte.text(); }
    void setNomeControparte(const QString& s) { m_ui.txtNomeControparte.setText(s); }
    QString posizione() const { return m_ui.txtPosizione.text(); }
    void setPosizione(const QString& s) { m_ui.txtPosizione.setText(s); }
    /// The position proposed automatically for a new case, shown as the position.
    void proponiPosizione(const QString& s) {
        setPosizione(s);
        m_proposta = s;
    }
    /// True while the position is still the automatic proposal: the save then gives the case
    /// the next free number at that moment, whatever other workstations saved meanwhile.
    bool posizioneAutomatica() const { return !m_proposta.isEmpty() && posizione() == m_proposta; }
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
    /// A header text as consolidaCampi leaves it: trimmed, repeated blanks made one.
    static QString consolidato(const QString& text);

    /// Refills the client, counterparty and case lists from what is typed (their DropDown).
    void cercaClienti();
    void cercaControparti();
    void cercaPratiche();

    /// The party query of a header list: `categoria` or no category, never the placeholder,
    /// `filtro` (FiltroRiservate), the typed surname start when `typed` is not empty.
    static PagedQuery queryParti(const QString& categoria, const QString& typed, const QString& filtro);
    /// The case query: by position start or client surname start, never case 1, only the
    /// cases the user may see (user 2 sees all).
    static PagedQuery queryPratiche(const QString& typed, int userId, const QStringList& groups);

signals:
    /// The person picked another case in the header.
    void praticaScelta(int id);
    /// The person asked for the card of a party the header shows.
    void parteCliccata(int id);

private:
    void attach();
    void attachParty(form::ListControl& cognome, form::Control& nome, int* id, int idDigitato);
    /// Fills `list` from `query` on the header's connection, reading on as the person
    /// scrolls; errors go to the services' trap.
    void riempie(form::ListControl& list, PagedQuery query, const QString& action);
    ConnectionPtr connection() const;
    /// The services' current user, or the user given with setConnection (no groups).
    platform::FixedUser utente() const;
    bool quiet() const;
    void quietly(form::Control& c, const QString& text);

    Controls m_ui;
    ComponentServices* m_services = nullptr;
    bool m_quiet = false;
    ConnectionPtr m_conn;
    int m_userId = 1;
    int m_idCliente = 0;
    int m_idControparte = 0;
    int m_caseId = 0;
    bool m_penale = false;
    bool m_provvisorio = false;
    QString m_proposta;
    Mode m_mode = Consultation;
};

}  // namespace tolmo::core

#pragma once
// The read-only card of a party (frmInfoAnagrafica): name, birth or incorporation, address,
// tax identifiers, telephones and e-mail; a click on the address starts a mail about the case.

#include <QString>

#include "access/Recordset.h"
#include "core/model/ComponentServices.h"
#include "form/Form.h"

namespace tolmo::parties {

/// What the card shows of one party.
struct SchedaAnagrafica {
    QString testo;          ///< the card
    QString etichettaMail;  ///< "E-mail :  " when the party has an address, else ""
    QString mail;           ///< the address, else ""
};

/// The card of the party in the current record of `rs` (a row of Anagrafica).
SchedaAnagrafica ComponiScheda(Recordset& rs);

/// The "mailto:" link of an address with a subject and a body. Every character a link cannot
/// carry is percent-encoded; the line breaks the body already holds encoded stay line breaks.
QString indirizzoMail(const QString& indirizzo, const QString& oggetto, const QString& corpo);

/// Hands the mail link to the shell; false when no mail program could be started.
bool ApriMail(form::Interaction& ui, const QString& indirizzo, const QString& oggetto, const QString& corpo,
              form::Form* owner = nullptr);

/// ApriMail, telling the person when no mail program could be started.
void scriviMail(core::ComponentServices& services, const QString& indirizzo, const QString& oggetto,
                const QString& corpo, form::Form* owner);

class FrmInfoAnagrafica : public form::Form {
public:
    explicit FrmInfoAnagrafica(core::ComponentServices& services);

    /// Fills the card from the current record of `rs` and shows it modally.
    void ComponiInfoAnagrafica(Recordset& rs, const QString& oggetto, const QString& corpo);

    form::Control lblInfo{this, QStringLiteral("lblInfo"), form::ControlKind::Label};
    form::Control Label1{this, QStringLiteral("Label1"), form::ControlKind::Label};
    /// The address: a click (or Enter on it) writes the mail.
    form::Control lblInfo2{this, QStringLiteral("lblInfo2"), form::ControlKind::Button};
    form::Control cmdChiudi{this, QStringLiteral("cmdChiudi"), form::ControlKind::Button};

private:
    void scrivi();

    core::ComponentServices& m_services;
    QString m_oggetto, m_corpo;
};

/// Reads party `id` and shows its card with a mail about the case; nothing for an id of 0.
void mostraScheda(core::ComponentServices& services, FrmInfoAnagrafica& card, int id, const QString& oggetto,
                  const QString& corpo);

}  // namespace tolmo::parties

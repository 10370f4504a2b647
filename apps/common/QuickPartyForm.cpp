#include "QuickPartyForm.h"

#include "QuickParty.h"
#include "access/DbError.h"
#include "core/model/ErrorReport.h"

namespace tolmo::hostkit {

namespace {
const QString kTitolo = QStringLiteral("Tolmo Studio");
}

QuickPartyForm::QuickPartyForm(ConnectionPtr rw, form::Interaction& ui)
    : form::Form(QStringLiteral("frmNuovaAnagrafica")), m_rw(std::move(rw)), m_ui(ui) {
    setCaption(QStringLiteral("Nuovo cliente"));
    cmdSalva.setCaption(QStringLiteral("&Salva"));
    cmdAnnulla.setCaption(QStringLiteral("&Annulla"));
    txtCategoria.setLocked(true);
    txtCategoria.setEnabled(false);  // fixed: shown, never typed into
    cmdSalva.on(form::EventKind::Click, [this](form::ControlEvent&) { salva(); });
    cmdAnnulla.on(form::EventKind::Click, [this](form::ControlEvent&) { setShown(false); });
}

void QuickPartyForm::prepara(const QString& cognome, const QString& nome, const QString& categoria) {
    m_id = 0;
    txtCognome.setText(cognome.trimmed());
    txtNome.setText(nome.trimmed());
    txtCategoria.setText(categoria);
    txtCodiceFiscale.setText(QString());
    txtCitta.setText(QString());
}

void QuickPartyForm::salva() {
    try {
        m_id = insertParty(m_rw, txtCognome.text(), txtNome.text(), txtCategoria.text(),
                           txtCodiceFiscale.text(), txtCitta.text());
        setShown(false);
    } catch (const PartyRefused& refused) {
        m_ui.messageBox(refused.message(), kTitolo, form::MsgButtons::OK, form::MsgIcon::Information);
        txtCognome.setFocus();
    } catch (const DbError& e) {
        const core::RunTimeError error{e.description(), e.source(), e.number(), true};
        m_ui.messageBox(core::errorReportText(QStringLiteral("Inserimento Anagrafica"), error),
                        core::kErrorReportTitle, form::MsgButtons::OK, form::MsgIcon::Critical);
    }
}

}  // namespace tolmo::hostkit

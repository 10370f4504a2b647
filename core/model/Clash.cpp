#include "Clash.h"

#include "access/DbError.h"

namespace tolmo::core {

void prendiTurno(Connection& conn) {
    conn.Execute(QStringLiteral("UPDATE ConfigGenerale SET NumAuto = NumAuto"));
}

QString domandaConflitto(const QString& cambiato) {
    const QString a = QStringLiteral("\r\n");
    return cambiato + a + a +
           QStringLiteral(
               "Sì: salva ciò che è stato digitato qui al posto della versione dell'altra postazione.") +
           a +
           QStringLiteral(
               "No: mostra la versione dell'altra postazione; ciò che è stato digitato qui non viene "
               "salvato.") +
           a + QStringLiteral("Annulla: torna alla modifica, con tutto ciò che è stato digitato.");
}

bool scriviSeNonCambiato(form::Interaction& ui, const SeCambiato& cosa, const std::function<void()>& scrivi) {
    bool ripresa = false;
    for (;;) {
        try {
            scrivi();
            return true;
        } catch (const DbError& error) {
            if (cosa.dopoErrore) cosa.dopoErrore();
            if (error.daRiprovare() && !ripresa) {
                ripresa = true;
                continue;
            }
            if (!error.rigaCambiata()) throw;
        }
        const int prima = ui.pointer();
        ui.setPointer(form::PointerDefault);
        const form::MsgAnswer scelta =
            ui.messageBox(domandaConflitto(cosa.cambiato), cosa.titolo, form::MsgButtons::YesNoCancel,
                          form::MsgIcon::Exclamation, 2);  // Enter goes back: nothing is written over
        if (scelta == form::MsgAnswer::Yes) {
            if (cosa.preparaSovrascrittura) cosa.preparaSovrascrittura();
            ui.setPointer(prima);
            continue;
        }
        if (scelta == form::MsgAnswer::No && cosa.mostraAltra) cosa.mostraAltra();
        return false;
    }
}

bool scriviSeNonCambiato(ComponentServices& services, const QString& azione, const SeCambiato& cosa,
                         const std::function<void()>& scrivi) {
    bool scritto = false;
    const bool ok =
        services.trap(azione, [&] { scritto = scriviSeNonCambiato(services.ui(), cosa, scrivi); });
    return ok && scritto;
}

}  // namespace tolmo::core

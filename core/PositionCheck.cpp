#include "PositionCheck.h"

#include "access/SqlText.h"
#include "access/TolmoAccess.h"
#include "core/model/CaseHeader.h"

namespace tolmo::core {

PositionCheck::PositionCheck(ComponentServices& services, PraticaForm&) : m_services(services) {}

bool PositionCheck::EsistePosizione(const QString& posizione, int idPratica) {
    AccessoDati dati;
    dati.Apri(m_services.connReadWrite(),
              QStringLiteral("SELECT * FROM Pratica WHERE Posizione = ") + ApiciSQL(posizione),
              adLockPessimistic);
    Recordset& rs = dati.recordset();
    const long righe = rs.RecordCount();
    const bool esiste = righe >= 2 || (righe == 1 && rs.value(QStringLiteral("ID_Pra")).toInt() != idPratica);
    dati.Chiudi();
    return esiste;
}

std::optional<Refusal> PositionCheck::validate() {
    const QString posizione = m_services.header().posizione().trimmed();
    if (posizione.isEmpty() || m_services.header().posizioneAutomatica()) return std::nullopt;
    // A new case has no row yet: any stored case holding its position is another one.
    const int idPratica = m_services.editState() == 3 ? 0 : m_services.currentId();
    if (!EsistePosizione(posizione, idPratica)) return std::nullopt;
    if (m_services.ui().messageBox(
            QStringLiteral("Esiste un'altra Pratica con la stessa Posizione. Continuare ?"),
            m_services.messageTitle(), form::MsgButtons::YesNo, form::MsgIcon::None) == form::MsgAnswer::Yes)
        return std::nullopt;
    m_services.ui().setPointer(form::PointerDefault);
    return Refusal{};
}

}  // namespace tolmo::core

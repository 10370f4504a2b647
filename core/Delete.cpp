// Deleting a case with its activities, documents and the rows its sections keep (agenda,
// additional parties, criminal row); its invoices stay, detached from it.

#include <QScopedValueRollback>

#include "Builtin.h"
#include "core/model/Deletion.h"

namespace tolmo {

namespace {

using form::MsgAnswer;
using form::MsgButtons;
using form::MsgIcon;

}  // namespace

bool TolmoPratica::Elimina() {
    if (m_currentId == 0) {
        message(QStringLiteral("Non è selezionata nessuna pratica."), MsgButtons::OK, MsgIcon::Information);
        emit SetDummy();
        return false;
    }
    const MsgAnswer risposta =
        message(QStringLiteral("Vuoi Cancellare la Pratica Selezionata ?"), MsgButtons::YesNo, MsgIcon::None);
    emit SetDummy();
    if (risposta != MsgAnswer::Yes) return false;

    bool eliminata = false;
    trap(QStringLiteral("Cancellazione Pratica"), [&] {
        for (const auto& s : m_sections) {
            if (const std::optional<core::Refusal> rifiuto = s->refuseDeletion(m_currentId)) {
                mostraRifiuto(*rifiuto);
                return;
            }
        }
        const QScopedValueRollback<bool> writing(m_writing, true);
        Transaction transazione(*m_connReadWrite);
        core::DeleteContext ctx{m_connReadWrite, m_currentId};
        core::eliminaRighe(ctx, QStringLiteral("SELECT * FROM Azioni WHERE IdPra = "));
        core::eliminaRighe(ctx, QStringLiteral("SELECT * FROM Documenti WHERE Codice_Pra = "));
        perSection([&ctx](core::CaseSection& s) { s.remove(ctx); });
        core::eliminaRighe(ctx, QStringLiteral("SELECT * FROM Pratica WHERE ID_Pra = "));
        transazione.commit();
        eliminata = true;
    });
    if (!eliminata) return false;

    m_currentId = 0;
    m_pratica.reset();
    m_editState = Consultazione;
    ClearForm();
    DisabilitaInput();
    m_header.clear();
    perSection([](core::CaseSection& s) { s.removed(); });
    emit SetDummy();
    return true;
}

}  // namespace tolmo

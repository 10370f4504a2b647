#include "CaseCommands.h"

namespace tolmo::hostkit {

namespace {
constexpr short kConsultazione = 1, kModifica = 2, kInserimento = 3;
}

CommandStates commandStates(short editState, int currentId, bool confermaConsentita) {
    CommandStates s;
    const bool consulting = editState == kConsultazione;
    const bool editing = editState == kModifica || editState == kInserimento;
    const bool caseShown = currentId > 1;  // case 1 is the firm's placeholder, never shown
    s.apri = consulting;
    s.nuova = consulting;
    s.modifica = consulting && caseShown;
    s.elimina = consulting && caseShown;
    s.conferma = editing && confermaConsentita;
    s.annulla = editing;
    return s;
}

QString editStateName(short editState) {
    switch (editState) {
        case kConsultazione:
            return QStringLiteral("Consultazione");
        case kModifica:
            return QStringLiteral("Modifica");
        case kInserimento:
            return QStringLiteral("Inserimento");
        default:
            return QStringLiteral("Non avviato");
    }
}

}  // namespace tolmo::hostkit

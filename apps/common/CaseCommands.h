#pragma once
// Which of the host's case commands make sense for the component's state.

#include <QString>

namespace tolmo::hostkit {

struct CommandStates {
    bool apri = false;      ///< open another case (by position or from the header)
    bool nuova = false;     ///< Inserimento
    bool modifica = false;  ///< Modifica
    bool conferma = false;  ///< Conferma
    bool annulla = false;   ///< Annulla
    bool elimina = false;   ///< Elimina
};

/// Consultation (1) offers opening, a new case and, with a case shown, modifying and
/// deleting it; modification (2) and insertion (3) offer confirming, unless the component
/// withheld it (EnableConferma false), and cancelling. Before Start nothing is offered.
CommandStates commandStates(short editState, int currentId, bool confermaConsentita);

/// "Consultazione", "Modifica", "Inserimento", or "Non avviato" before Start.
QString editStateName(short editState);

}  // namespace tolmo::hostkit

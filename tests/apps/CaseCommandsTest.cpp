// Which case commands the hosts offer in each edit state.

#include <gtest/gtest.h>

#include "apps/common/CaseCommands.h"

namespace tolmo::hostkit {
namespace {

TEST(CaseCommands, ConsultationOffersEditingOnlyWithACaseShown) {
    const CommandStates none = commandStates(1, 0, true);
    EXPECT_TRUE(none.apri);
    EXPECT_TRUE(none.nuova);
    EXPECT_FALSE(none.modifica);
    EXPECT_FALSE(none.elimina);
    EXPECT_FALSE(none.conferma);
    EXPECT_FALSE(none.annulla);

    const CommandStates shown = commandStates(1, 3, true);
    EXPECT_TRUE(shown.modifica);
    EXPECT_TRUE(shown.elimina);
    EXPECT_FALSE(shown.conferma);

    // Case 1 is the firm's placeholder: nothing to modify or delete.
    EXPECT_FALSE(commandStates(1, 1, true).modifica);
}

TEST(CaseCommands, EditingOffersConfirmAndCancelOnly) {
    for (short state : {2, 3}) {
        const CommandStates s = commandStates(state, 3, true);
        EXPECT_TRUE(s.conferma) << state;
        EXPECT_TRUE(s.annulla) << state;
        EXPECT_FALSE(s.apri) << state;
        EXPECT_FALSE(s.nuova) << state;
        EXPECT_FALSE(s.modifica) << state;
        EXPECT_FALSE(s.elimina) << state;
    }
}

TEST(CaseCommands, WithheldConfirmStaysOffWhileCancelStaysOn) {
    const CommandStates s = commandStates(2, 3, false);
    EXPECT_FALSE(s.conferma);
    EXPECT_TRUE(s.annulla);
}

TEST(CaseCommands, NothingBeforeStart) {
    const CommandStates s = commandStates(0, 0, true);
    EXPECT_FALSE(s.apri || s.nuova || s.modifica || s.conferma || s.annulla || s.elimina);
    EXPECT_EQ(editStateName(0), QStringLiteral("Non avviato"));
    EXPECT_EQ(editStateName(1), QStringLiteral("Consultazione"));
    EXPECT_EQ(editStateName(2), QStringLiteral("Modifica"));
    EXPECT_EQ(editStateName(3), QStringLiteral("Inserimento"));
}

}  // namespace
}  // namespace tolmo::hostkit

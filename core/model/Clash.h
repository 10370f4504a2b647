#pragma once
// Writing what a person typed over rows another workstation may have saved meanwhile.

#include <QString>
#include <functional>

#include "ComponentServices.h"
#include "access/Connection.h"
#include "form/Interaction.h"

namespace tolmo::core {

/// What to do when another workstation saved the rows after this one showed them.
struct SeCambiato {
    QString titolo;    ///< of the question
    QString cambiato;  ///< its first sentence: "La pratica è stata modificata su un'altra postazione…"
    std::function<void()> preparaSovrascrittura;  ///< the person saves over: take the stored versions
    std::function<void()> mostraAltra;            ///< the person wants to see the other version
    std::function<void()> dopoErrore;             ///< after any failed try, before the next step
};

/// Holds the firm's one configuration row until the transaction on `conn` ends: writers that
/// take it go one after another on every engine (a row lock on PostgreSQL; on SQLite the write
/// lock the transaction holds already).
void prendiTurno(Connection& conn);

/// The question: the sentence, then what Yes, No and Cancel do.
QString domandaConflitto(const QString& cambiato);

/// Runs `scrivi`, once more when the server broke it off for a clash with another workstation
/// (a deadlock, a serialisation failure, SQLite still busy after its wait). When a row changed
/// elsewhere since it was shown, asks: Yes saves over it (`scrivi` again), No shows the other
/// version, Cancel goes back with everything typed. True once written; other errors go on up.
bool scriviSeNonCambiato(form::Interaction& ui, const SeCambiato& cosa, const std::function<void()>& scrivi);
/// The same in the error trap of `services`, which reports any other failure under `azione`:
/// true once written, false after a failure or when the person chose not to write.
bool scriviSeNonCambiato(ComponentServices& services, const QString& azione, const SeCambiato& cosa,
                         const std::function<void()>& scrivi);

}  // namespace tolmo::core

#pragma once
// What a host does when the component raises InserisciCliente: register the client on
// the spot and hand the new party back to the case.

#include <QString>

namespace tolmo {
class TolmoPratica;
}

namespace tolmo::hostkit {

/// Shows the quick client form (frmNuovaAnagrafica) through the component's Interaction,
/// prefilled with `cognome` and `nome`. When the person saves, the header shows the names
/// stored and the component gets the new id (SettaCliente); the id is returned, 0 when the
/// person gave up.
int registraCliente(TolmoPratica& component, const QString& cognome, const QString& nome);

}  // namespace tolmo::hostkit

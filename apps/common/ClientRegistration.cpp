#include "ClientRegistration.h"

#include "QuickPartyForm.h"
#include "core/TolmoPratica.h"

namespace tolmo::hostkit {

int registraCliente(TolmoPratica& component, const QString& cognome, const QString& nome) {
    QuickPartyForm form(component.ConnReadWrite(), component.interaction());
    form.prepara(cognome, nome, QStringLiteral("Cliente"));
    component.interaction().showModal(form);
    const int id = form.idAnagrafica();
    if (id <= 0) return 0;
    const QString storedCognome = form.txtCognome.text().trimmed();
    const QString storedNome = form.txtNome.text().trimmed();
    component.header().setCognomeCliente(storedCognome);
    component.header().setNomeCliente(storedNome);
    component.SettaCliente(id, storedCognome, storedNome);
    return id;
}

}  // namespace tolmo::hostkit

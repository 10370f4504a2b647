#include "Accounting.h"

#include "core/model/Deletion.h"

namespace tolmo::extras {

AccountingFields::AccountingFields(form::Form& form) : f(&form) {
    for (core::Control* c : totals()) c->setLocked(true);
}

Accounting::Accounting(core::ComponentServices&, core::PraticaForm& form) : fields(form) {}

void Accounting::clear() {
    for (core::Control* c : fields.totals()) c->setText(QString());
}

void Accounting::tabChanged(int tab, short) {
    if (tab == core::TabContabilita)
        for (core::Control* c : fields.totals()) c->setLocked(true);
}

void Accounting::remove(core::DeleteContext& ctx) {
    core::eliminaRighe(ctx, QStringLiteral("SELECT * FROM Scadenze WHERE Codice_Pra = "));
    AccessoDati fatture;
    fatture.Apri(ctx.conn,
                 QStringLiteral("SELECT * FROM Fatture WHERE ID_Pratica = ") + QString::number(ctx.caseId),
                 adLockOptimistic);
    for (Recordset& rs = fatture.recordset(); !rs.Eof(); rs.MoveNext()) {
        rs.setValue(QStringLiteral("Id_Pratica"), 0);
        rs.Update();
    }
    fatture.Chiudi();
}

}  // namespace tolmo::extras

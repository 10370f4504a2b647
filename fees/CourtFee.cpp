#include "CourtFee.h"

#include "core/model/CaseValues.h"

namespace tolmo::fees {

namespace {
const QString kTipiContributo[] = {QStringLiteral("ES"), QStringLiteral("NV"), QStringLiteral("VE")};
constexpr int kOpzioniContributo = 3;
}  // namespace

QString codiceContributo(int option) {
    return option >= 0 && option < kOpzioniContributo ? kTipiContributo[option] : QString();
}

int opzioneContributo(const QString& codice) {
    for (int i = 0; i < kOpzioniContributo; ++i)
        if (codice == kTipiContributo[i]) return i;
    return -1;
}

CourtFee::CourtFee(core::ComponentServices&, core::PraticaForm& form) : fields(form), m_form(form) {}

void CourtFee::mostraNote() {
    fields.optCU.setIndex(1);
    fields.FraContributo_2.setVisible(false);
    fields.cmdEstremi.setVisible(false);
    m_form.txtNOTE.setVisible(true);
}

// The notes take the court fee's place until a case says otherwise.
void CourtFee::clear() {
    fields.mskImportoContributo.setText(QString());
    mostraNote();
    fields.optContributo.setIndex(-1);
    fields.chkDebito.setChecked(false);
}

// A criminal case has no court fee: the notes take its place. Any other classifier offers the
// choice between the two views.
void CourtFee::show(core::ShowContext& ctx) {
    Recordset& rs = ctx.row;
    fields.optContributo.setIndex(opzioneContributo(rs.text(QStringLiteral("TipoContributo"))));
    fields.mskImportoContributo.setText(rs.text(QStringLiteral("ImportoContributo")));
    fields.chkDebito.setChecked(rs.value(QStringLiteral("A_Debito")).toBool());
    if (ctx.classifier.id <= 1) return;
    if (ctx.classifier.penale) {
        mostraNote();
        fields.optCU.setVisible(false);
    } else {
        fields.optCU.setVisible(true);
    }
}

void CourtFee::writeRow(core::SaveContext& ctx) {
    Recordset& rs = ctx.row;
    const QString contributo = codiceContributo(fields.optContributo.index());
    if (!contributo.isEmpty()) rs.setValue(QStringLiteral("TipoContributo"), contributo);
    core::scriviTesto(rs, QStringLiteral("ImportoContributo"), fields.mskImportoContributo.text());
    rs.setValue(QStringLiteral("A_Debito"), fields.chkDebito.checked());
}

}  // namespace tolmo::fees

#include "Criminal.h"

#include "core/model/CaseValues.h"
#include "core/model/Deletion.h"
#include "core/model/ListFill.h"

namespace tolmo::criminal {

namespace {

const QString kAuthorities[] = {
    QString(),
    QStringLiteral("Giudice di pace"),
    QStringLiteral("Tribunale in comp. monocratica"),
    QStringLiteral("Tribunale in comp. collegiale"),
    QStringLiteral("Corte d'Assise e d'Assise d'Appello"),
    QStringLiteral("Corte d'Appello"),
    QStringLiteral("Corte Costituzionale e Cassazione"),
    QStringLiteral("Gip e Gup"),
};

bool hasField(Recordset& rs, const QString& field) {
    return rs.fieldNames().contains(field, Qt::CaseInsensitive);
}

}  // namespace

Criminal::Criminal(core::ComponentServices& services, core::PraticaForm& form)
    : fields(form), m_services(services), m_form(form) {
    for (const QString& a : kAuthorities) fields.cmbAutorita.addRow(a);
    m_form.SSTabPratica.setTabVisible(core::TabPenale, false);
}

int Criminal::GetIdPenale() {
    AccessoDati dati;
    dati.Apri(m_services.connReadOnly(),
              QStringLiteral("SELECT ID_Cla FROM Classificatore WHERE Descrizione = 'PENALE'"),
              adLockReadOnly);
    const int id = dati.recordset().Eof() ? 0 : dati.recordset().value(QStringLiteral("ID_Cla")).toInt();
    dati.Chiudi();
    return id;
}

void Criminal::CaricaFasiPenale() {
    m_services.trap(QStringLiteral("Caricamento Fasi Penali"), [&] {
        core::riempieLista(fields.cmbFase, m_services.connReadOnly(),
                           QStringLiteral("SELECT * FROM PraPenaleFasi"),
                           {QStringLiteral("id_fase"), QStringLiteral("fase"), QStringLiteral("NumFase")});
    });
}

void Criminal::nascondiScheda() {
    // A hidden tab cannot stay the one shown.
    if (m_form.SSTabPratica.current() == core::TabPenale) m_form.SSTabPratica.setCurrent(core::TabGenerale);
    m_form.SSTabPratica.setTabVisible(core::TabPenale, false);
}

void Criminal::ritira() {
    mostraAutorita(false);
    nascondiScheda();
}

void Criminal::mostraAutorita(bool shown) {
    fields.cmbAutorita.setVisible(shown);
    fields.lblAutorita.setVisible(shown);
}

void Criminal::abilita(bool on) {
    fields.fraPenale.setEnabled(on);
    fields.cmbFase.setEnabled(on);
}

void Criminal::clear() {
    fields.cmbAutorita.setText(QString());
    fields.cmbFase.setSelectedRow(-1);
    fields.cmbFase.setText(QString());
    fields.chkImpPartCiv.setChecked(false);
}

// A criminal case shows its authority and the criminal tab, selected; any other case hides
// both. In consultation the criminal row's fields are filled.
void Criminal::show(core::ShowContext& ctx) {
    if (!ctx.classifier.penale) {
        if (ctx.classifier.id > 1)
            m_form.SSTabPratica.setTabCaption(core::TabSoggetti, QStringLiteral("SOGG. COINVOLTI"));
        ritira();
        return;
    }
    mostraAutorita(true);
    fields.cmbAutorita.setText(ctx.row.text(QStringLiteral("Autorita")));
    m_form.SSTabPratica.setTabCaption(core::TabSoggetti, QStringLiteral("S. COINV."));
    m_form.SSTabPratica.setTabVisible(core::TabPenale, true);
    m_form.SSTabPratica.setCurrent(core::TabPenale);
    if (ctx.editState == 1 && hasField(ctx.row, QStringLiteral("IsParteCivile")))
        fields.chkImpPartCiv.setChecked(ctx.row.value(QStringLiteral("IsParteCivile")).toBool());
}

// The authority is written for a case with a classifier: its text for a criminal case, "" else.
void Criminal::writeRow(core::SaveContext& ctx) {
    if (ctx.classifier.id <= 1) return;
    ctx.autorita = ctx.classifier.penale ? fields.cmbAutorita.text().trimmed() : QString();
    core::scriviTesto(ctx.row, QStringLiteral("Autorita"), ctx.autorita);
}

void Criminal::remove(core::DeleteContext& ctx) {
    core::eliminaRighe(ctx, QStringLiteral("SELECT * FROM PraPenale WHERE ID_Pra = "));
}

}  // namespace tolmo::criminal

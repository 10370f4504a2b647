#include "Criminal.h"

#include <QScopedValueRollback>

#include "core/model/CaseHeader.h"
#include "core/model/CaseValues.h"
#include "core/model/DateField.h"
#include "core/model/Deletion.h"
#include "core/model/ListFill.h"
#include "schema/Schema.h"

namespace tolmo::criminal {

namespace {

const QStringList kAuthorities = {
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
    : fields(form), m_services(services), m_form(form), m_colonne(colonnePenale(fields)) {
    fields.cmbAutorita.setRows(kAuthorities);
    m_form.SSTabPratica.setTabVisible(core::TabPenale, false);
    mostraFrame(0);  // no phase yet
    const schema::TableInfo* penale = schema::table(QStringLiteral("PraPenale"));
    for (const Colonna& c : m_colonne) {
        if (c.tipo == Tipo::Data) {
            core::comeData(*c.campo);
        } else if (const schema::ColumnInfo* column = penale->column(c.colonna)) {
            c.campo->setMaxLength(column->length);
        }
    }
    attach();
}

int Criminal::GetIdPenale() {
    AccessoDati dati;
    dati.Apri(m_services.connReadOnly(),
              QStringLiteral("Select Id_Cla From Classificatore Where Descrizione='PENALE'"), adLockReadOnly);
    const int id = dati.recordset().Eof() ? 0 : dati.recordset().value(QStringLiteral("Id_Cla")).toInt();
    dati.Chiudi();
    return id;
}

void Criminal::CaricaFasiPenale() {
    fields.cmbFase.setSelectedRow(-1);
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

void Criminal::PulisciDatiPenale() {
    const QScopedValueRollback<bool> filling(m_riempiendo, true);
    for (const Colonna& c : m_colonne) c.campo->setText(QString());
    fields.chkImpPartCiv.setChecked(false);
}

// A cleared form holds nothing of the case shown before: its phase goes too.
void Criminal::clear() {
    PulisciDatiPenale();
    fields.cmbAutorita.setText(QString());
    fields.cmbFase.setSelectedRow(-1);
    fields.cmbFase.setText(QString());
    m_faseCorrente = 0;
    m_numRGNotDiReato.clear();
}

void Criminal::classifierChosen(const core::Classifier& classifier) {
    const bool penale = classifier.penale;
    mostraAutorita(penale);
    fields.cmbAutorita.setText(QString());
    core::TabStrip& tabs = m_form.SSTabPratica;
    if (penale) {
        tabs.setTabVisible(core::TabPenale, true);
        tabs.setCurrent(core::TabPenale);
    } else {
        nascondiScheda();
        tabs.setCurrent(core::TabGenerale);
    }
    tabs.setTabCaption(core::TabSoggetti,
                       penale ? QStringLiteral("S. COINV.") : QStringLiteral("SOGG. COINVOLTI"));
    fields.fraIndPre.setVisible(penale);
    core::SelezionaInLista(1, QStringLiteral("Indagini Preliminari"), 0, fields.cmbFase);
    if (fields.cmbFase.selectedRow() >= 0) fields.cmbFase.setText(fields.cmbFase.selectedCell(1));
    for (form::Control* civile : {static_cast<form::Control*>(&m_form.cmbCodOggetto), &m_form.Label1,
                                  &m_form.lblSezione, &m_form.txtSezione, &m_form.lblIstruttore,
                                  static_cast<form::Control*>(&m_form.txtIstruttore), m_form.picXP[0]})
        civile->setVisible(!penale);
    m_services.header().setPenale(penale);
}

// A criminal case shows its authority and the criminal tab, selected, filled from its
// criminal row; any other case hides both.
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
    if (!hasField(ctx.row, QStringLiteral("ID_Fase"))) return;
    VisualizzaDatiPenale(ctx.row);
    fields.chkImpPartCiv.setChecked(ctx.row.value(QStringLiteral("IsParteCivile")).toBool());
}

// Every date the save writes must be a real day.
std::optional<core::Refusal> Criminal::validate() {
    if (!fields.cmbAutorita.visible() || m_faseCorrente < 1 || m_faseCorrente > 5) return std::nullopt;
    const QString wrong = dataNonValida(m_colonne, m_faseCorrente);
    if (wrong.isEmpty()) return std::nullopt;
    return core::Refusal{wrong, form::MsgIcon::Critical};
}

// The authority is written for a case with a classifier: its text for a criminal case, "" else.
void Criminal::writeRow(core::SaveContext& ctx) {
    if (ctx.classifier.id <= 1) return;
    ctx.autorita = ctx.classifier.penale ? fields.cmbAutorita.text().trimmed() : QString();
    core::scriviTesto(ctx.row, QStringLiteral("Autorita"), ctx.autorita);
}

void Criminal::save(core::SaveContext& ctx) {
    if (ctx.classifier.penale) SalvaDatiPenale(ctx);
}

// The criminal row is opened through the read-write connection, inside the save's transaction:
// phase 0 writes the key, phase 1 and the civil-party box alone; phases 1 to 5 write exactly
// their own columns, the other phases' keep what they hold.
void Criminal::SalvaDatiPenale(core::SaveContext& ctx) {
    AccessoDati penale;
    if (ctx.nuova) {
        penale.Apri(ctx.conn, QStringLiteral("PraPenale"), adLockOptimistic);
        penale.recordset().AddNew();
    } else {
        penale.Apri(ctx.conn,
                    QStringLiteral("SELECT * FROM PraPenale WHERE ID_Pra = ") + QString::number(ctx.caseId),
                    adLockOptimistic);
        if (penale.recordset().Eof()) penale.recordset().AddNew();
    }
    Recordset& row = penale.recordset();
    row.setValue(QStringLiteral("IsParteCivile"), fields.chkImpPartCiv.checked());
    row.setValue(QStringLiteral("ID_Pra"), ctx.caseId);
    // No phase chosen writes phase 1; a phase stored outside 1..5 is kept as it is.
    const int n = m_faseCorrente;
    if (n == 0) {
        row.setValue(QStringLiteral("ID_Fase"), 1);
    } else if (n >= 1 && n <= 5) {
        row.setValue(QStringLiteral("ID_Fase"), n);
        scriviFase(m_colonne, n, row);
        if (n == 2)
            row.setValue(QStringLiteral("Esito_2"),
                         fields.optEsito.index() == 0 ? QStringLiteral("O") : QStringLiteral("S"));
    }
    row.Update();
    penale.Chiudi();
}

void Criminal::remove(core::DeleteContext& ctx) {
    core::eliminaRighe(ctx, QStringLiteral("SELECT * FROM PraPenale WHERE ID_Pra = "));
}

Sospensione Criminal::sospensione() {
    Sospensione span;
    m_services.trap(QStringLiteral("Lettura Sospensione Feriale"), [&] {
        AccessoDati config;
        config.Apri(m_services.connReadOnly(),
                    QStringLiteral("SELECT SospensioneFeriale FROM ConfigGenerale"), adLockReadOnly);
        if (!config.recordset().Eof())
            span = Sospensione::dalTesto(config.recordset().text(QStringLiteral("SospensioneFeriale")))
                       .value_or(span);
        config.Chiudi();
    });
    return span;
}

}  // namespace tolmo::criminal

#include "CatalogueLists.h"

#include "access/SearchKey.h"
#include "access/SqlText.h"
#include "core/model/CaseValues.h"
#include "core/model/FieldRules.h"
#include "core/model/ListFill.h"
#include "form/Interaction.h"

namespace tolmo::core {

namespace {

using form::ControlEvent;
using form::EventKind;

const QString kOrdine = QStringLiteral("ORDER BY IdRuolo, IdMateria, IdOggetto, Oggetto");
const QString kCodiceSomma = QStringLiteral("010001");
constexpr int kValoreStretto = 1575;  ///< twips, beside the injunction sum
constexpr int kValoreLargo = 2415;

}  // namespace

CatalogueLists::CatalogueLists(ComponentServices& services, PraticaForm& form)
    : m_services(services), m_form(form) {
    attach();
}

QString CatalogueLists::sqlOggetto(const QString& typed, bool penale) {
    QString sql = QStringLiteral("SELECT * FROM OggettoPratica");
    if (!typed.isEmpty()) {
        sql +=
            QStringLiteral(" WHERE OggettoRicerca LIKE ") + tolmo::likePattern(tolmo::chiaveRicerca(typed));
        if (penale) sql += QStringLiteral(" AND idruolo=0 AND idmateria=0 AND idoggetto=0 ");
    } else if (penale) {
        sql += QStringLiteral(" WHERE idruolo=0 AND idmateria=0 AND idoggetto=0 ");
    }
    return sql + QLatin1Char(' ') + kOrdine;
}

QString CatalogueLists::sqlCodiceOggetto(const QString& typed) {
    QString sql = QStringLiteral("SELECT * FROM OggettoPratica WHERE ");
    if (!typed.isEmpty())
        sql += QStringLiteral("Codice LIKE ") + tolmo::likePattern(typed) + QStringLiteral(" AND ");
    return sql + QStringLiteral("Codice <> '' ") + kOrdine;
}

void CatalogueLists::riempie(form::ListControl& list, const QString& sql, const QStringList& columns,
                             const QString& action) {
    list.clear();
    m_services.trap(action, [&] {
        form::BusyPointer busy(m_services.ui());
        riempieLista(list, m_services.connReadOnly(), sql, columns);
    });
}

void CatalogueLists::RiempieOggetto() {
    const bool penale = m_form.cmbClassificatore.text().trimmed() == QStringLiteral("PENALE");
    riempie(m_form.cmbOggetto, sqlOggetto(m_form.cmbOggetto.text(), penale),
            {QStringLiteral("Codice"), QStringLiteral("Ruolo"), QStringLiteral("Materia"),
             QStringLiteral("Oggetto")},
            QStringLiteral("Caricamento Tabella Oggetto Pratica"));
}

void CatalogueLists::RiempieCodiceOggetto() {
    riempie(m_form.cmbCodOggetto, sqlCodiceOggetto(m_form.cmbCodOggetto.text()),
            {QStringLiteral("Codice"), QStringLiteral("Oggetto")},
            QStringLiteral("Caricamento Codici Pratica"));
}

void CatalogueLists::RiempieStati() {
    riempie(m_form.fpStatoPra,
            QStringLiteral("SELECT * FROM StatiPratica") + QStringLiteral(" ORDER BY StatoPrat"),
            {QStringLiteral("StatoPrat")}, QStringLiteral("Caricamento Stati Pratica"));
}

void CatalogueLists::regolaSommaIngiunta(const QString& codice) {
    const bool somma = codiceCompatto(codice) == kCodiceSomma;
    m_form.TEDDenaroValore.setWidth(somma ? kValoreStretto : kValoreLargo);
    m_form.TedDenaroSommaIng.setVisible(somma);
    m_form.lblSommaIng.setVisible(somma);
}

// A code typed or emptied is not the injunction's any more: its sum goes with the field.
void CatalogueLists::codiceDigitato() {
    if (m_services.filling()) return;
    regolaSommaIngiunta(QString());
    m_form.TedDenaroSommaIng.setAmount(Currency());
}

void CatalogueLists::attach() {
    PraticaForm& f = m_form;
    f.cmbOggetto.on(EventKind::DropDown, [this](ControlEvent&) { RiempieOggetto(); });
    f.cmbCodOggetto.on(EventKind::DropDown, [this](ControlEvent&) { RiempieCodiceOggetto(); });
    f.fpStatoPra.on(EventKind::DropDown, [this](ControlEvent&) { RiempieStati(); });
    f.cmbCodOggetto.on(EventKind::KeyPress, [this](ControlEvent& e) {
        if (!tastoCifra(e.key)) {
            e.key = 0;
            return;
        }
        codiceDigitato();
    });
    f.cmbCodOggetto.on(EventKind::Change, [this, &f](ControlEvent&) {
        if (f.cmbCodOggetto.text().trimmed().isEmpty()) codiceDigitato();
    });
    f.cmbOggetto.on(EventKind::Choose, [&f](ControlEvent& e) {
        if (e.row < 0 || e.row >= f.cmbOggetto.rowCount()) return;
        const QString codice = f.cmbOggetto.cell(e.row, 0).trimmed();
        const QString oggetto = f.cmbOggetto.cell(e.row, 3).trimmed();
        f.cmbCodOggetto.setText(codice);
        f.cmbOggetto.setText(oggetto);
    });
    f.cmbCodOggetto.on(EventKind::Choose, [this, &f](ControlEvent& e) {
        if (e.row < 0 || e.row >= f.cmbCodOggetto.rowCount()) return;
        const QString codice = f.cmbCodOggetto.cell(e.row, 0).trimmed();
        const QString oggetto = f.cmbCodOggetto.cell(e.row, 1).trimmed();
        f.cmbCodOggetto.setText(codice);
        f.cmbOggetto.setText(oggetto);
        regolaSommaIngiunta(codice);
    });
}

void CatalogueLists::clear() {
    m_form.cmbOggetto.setText(QString());
    m_form.cmbCodOggetto.setText(QString());
    m_form.fpStatoPra.setText(QStringLiteral("In corso"));
    regolaSommaIngiunta(QString());
}

void CatalogueLists::show(ShowContext& ctx) {
    Recordset& rs = ctx.row;
    m_form.cmbOggetto.setText(rs.text(QStringLiteral("Oggetto")));
    m_form.cmbCodOggetto.setText(rs.text(QStringLiteral("CodiceOggetto")));
    regolaSommaIngiunta(rs.text(QStringLiteral("CodiceOggetto")));
    m_form.fpStatoPra.setText(rs.text(QStringLiteral("Stato")));
}

void CatalogueLists::writeRow(SaveContext& ctx) {
    scriviTesto(ctx.row, QStringLiteral("Oggetto"), m_form.cmbOggetto.text());
    if (m_form.cmbCodOggetto.visible())
        scriviTesto(ctx.row, QStringLiteral("CodiceOggetto"), m_form.cmbCodOggetto.text());
    if (!m_form.fpStatoPra.text().trimmed().isEmpty())
        scriviTesto(ctx.row, QStringLiteral("Stato"), m_form.fpStatoPra.text());
}

}  // namespace tolmo::core

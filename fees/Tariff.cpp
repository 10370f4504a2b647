#include "Tariff.h"

#include "core/model/CaseValues.h"

namespace tolmo::fees {

Tariff::Tariff(core::ComponentServices& services, core::PraticaForm& form)
    : m_services(services), m_form(form) {
    m_form.cmdTariffa.on(form::EventKind::Click, [this](form::ControlEvent&) { scegliTariffa(); });
}

void Tariff::scegliTariffa() {
    if (!m_tariffa) m_tariffa = std::make_unique<clsTariffa>();
    m_dialogo.SettaFormTariffa(*m_tariffa);
    m_dialogo.carica();
    m_services.ui().showModal(m_dialogo);
    mostraTariffa();
}

void Tariff::mostraTariffa() {
    const clsTariffa nessuna;
    const clsTariffa& t = m_tariffa ? *m_tariffa : nessuna;
    m_form.lblTariffaImpostata.setCaption(etichettaTariffa(t));
    m_form.lblTarDati.setCaption(dettaglioTariffa(t));
}

// A new case starts from the default tariff, as its empty labels say, not from the tariff of
// the case shown before.
void Tariff::newCase() {
    if (m_tariffa) *m_tariffa = clsTariffa();
    mostraTariffa();
}

void Tariff::show(core::ShowContext& ctx) {
    Recordset& rs = ctx.row;
    if (!m_tariffa) m_tariffa = std::make_unique<clsTariffa>();
    m_tariffa->TipoTariffa = static_cast<short>(core::numeroIniziale(rs.text(QStringLiteral("TipoTariffa"))));
    m_tariffa->Maggiorazione = rs.value(QStringLiteral("Maggiorazione")).toDouble();
    m_tariffa->ImportoFlat = rs.currency(QStringLiteral("Flat"));
    mostraTariffa();
}

void Tariff::writeRow(core::SaveContext& ctx) {
    if (!m_tariffa) return;
    ctx.row.setValue(QStringLiteral("TipoTariffa"), m_tariffa->TipoTariffa);
    ctx.row.setValue(QStringLiteral("Flat"), QVariant::fromValue(m_tariffa->ImportoFlat));
    ctx.row.setValue(QStringLiteral("Maggiorazione"), m_tariffa->Maggiorazione);
}

}  // namespace tolmo::fees

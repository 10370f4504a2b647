#pragma once
// The accounting tab of a case: its open deadlines, and the advances, expenses, remaining fund,
// credit and receipts of its invoices and expenses in the firm's currency. They are read when
// the case is shown, never typed. A deleted case takes its agenda with it and leaves its
// invoices, detached from it.

#include <array>

#include "Conversion.h"
#include "core/model/CaseSection.h"
#include "core/model/ComponentServices.h"
#include "core/model/MoneyField.h"
#include "core/model/PraticaForm.h"

namespace tolmo::extras {

struct AccountingFields {
    explicit AccountingFields(form::Form& form);
    form::Form* f;
    /// Codice_Sca, Data_end, ora, Codice_pra, Scadenza, ismemo, parti.
    core::Grid GridScadenzePra{f, QStringLiteral("GridScadenzePra"), 7};
    core::MoneyField FTotaleAcconti{f, QStringLiteral("FTotaleAcconti")};
    core::MoneyField FSpeseSostenute{f, QStringLiteral("FSpeseSostenute")};
    core::MoneyField FRimanenzaFondo{f, QStringLiteral("FRimanenzaFondo")};
    core::MoneyField FTotaleCredito{f, QStringLiteral("FTotaleCredito")};
    core::MoneyField FTotaleIncassi{f, QStringLiteral("FTotaleIncassi")};
    std::array<core::MoneyField*, 5> totals() {
        return {&FTotaleAcconti, &FSpeseSostenute, &FRimanenzaFondo, &FTotaleCredito, &FTotaleIncassi};
    }
};

/// The open agenda entries of a case, by date and time.
QString sqlScadenzeAperte(int idPratica);
/// The invoices of a case summed per currency and rate, credit notes apart: Valuta, Cambio, 1 for
/// credit notes, rows, advance rows, then in ten-thousandths the advances' Imponibili, Esenti,
/// Competenze and ForfSpese, and everyone's TotaleFattura and ResiduoASaldo.
QString sqlTotaliFatture(int idPratica, Dialect dialetto);
/// The expenses not yet invoiced summed per currency and rate: Valuta, Cambio, rows, then in
/// ten-thousandths Imponibili and Esenti.
QString sqlTotaliAzioni(int idPratica, Dialect dialetto);

class Accounting : public core::CaseSection {
public:
    Accounting(core::ComponentServices& services, core::PraticaForm& form);

    AccountingFields fields;

    /// Fills the grid with the open deadlines of the case shown, by date and time.
    void CaricaScadenzePratica();
    /// Computes and shows the five totals of the case shown, in the firm's currency.
    void CaricaTotaliContabili();
    /// Reads the firm's currency and lira/euro rate afresh.
    void LeggiValutaDefault();
    /// The latest rate of the foreign currency `simbolo`, as text; "1,0000" after a warning when
    /// none is on file (and then false).
    bool CercaCambioValutaEstera(const QString& simbolo, QString& cambio);
    const ValutaStudio& valutaStudio() const { return m_studio; }

    void clear() override;
    void tabChanged(int tab, short editState) override;
    void show(core::ShowContext& ctx) override;
    void remove(core::DeleteContext& ctx) override;

private:
    /// The totals will not be reliable: `simbolo` has no rate on file.
    void avvisaCambioMancante(const QString& simbolo);

    core::ComponentServices& m_services;
    ValutaStudio m_studio;
};

}  // namespace tolmo::extras

// Showing a stored case: reading it and copying every column into the form.

#include <QScopedValueRollback>

#include "Builtin.h"
#include "CaseSql.h"
#include "access/RowVersion.h"
#include "core/model/CaseValues.h"
#include "core/model/ListFill.h"

namespace tolmo {

namespace {
const QString kLetturaPratica = QStringLiteral("Lettura Pratica");
}  // namespace

void TolmoPratica::VisualizzaPratica(int Id) {
    form::BusyPointer busy(m_ui);
    trap(kLetturaPratica, [&] {
        if (m_header.caseId() != Id) m_header.caricaPratica(Id);
        m_currentId = Id;
        AccessoDati pratica;
        pratica.Apri(m_connReadOnly, core::sqlVisualizzaPratica(Id, m_header.isPenale()), adLockReadOnly);
        if (pratica.recordset().Eof()) {
            pratica.Chiudi();
            return;
        }
        RiempeCampiAVideo(pratica.recordset());
        pratica.Chiudi();
        perSection([Id](core::CaseSection& s) { s.showRelated(Id); });
    });
}

bool TolmoPratica::RiempeCampiAVideo(Recordset& rs) {
    const QScopedValueRollback<bool> filling(m_filling, true);
    form::BusyPointer busy(m_ui);
    return trap(kLetturaPratica, [&] {
        core::PraticaForm& f = m_form;
        m_versione = rs.value(kVersioneRiga);
        m_idCliente = rs.value(QStringLiteral("ID_Cliente")).toInt();
        // A list holding no matching row keeps the selection it had.
        core::SelezionaInLista(1, rs.text(QStringLiteral("R_IdArea")), 0, f.cmbSottoarea);
        core::SelezionaInLista(1, rs.text(QStringLiteral("R_IdTipologia")), 0, f.cmbTipologia);

        f.txtUfficioIscrizione.setText(rs.text(QStringLiteral("UfficioGiudiziario")).trimmed());
        f.txtUfficioIscrizione.setTag(rs.text(QStringLiteral("CodUfficio")).trimmed());
        f.txtUfficioIscrizione.setToolTip(rs.text(QStringLiteral("UfficioGiudiziario")));
        f.txtSezione.setText(rs.text(QStringLiteral("Sezione")));

        f.TedDataInizio.setText(core::testoData(rs.value(QStringLiteral("DataInizio"))));
        f.TDataUdienza.setText(core::testoData(rs.value(QStringLiteral("Data_ProxUdienza"))));
        f.TolDataChiusura.setText(core::testoData(rs.value(QStringLiteral("DataChiusura"))));
        f.TolDataArch.setText(core::testoData(rs.value(QStringLiteral("Data_Arc"))));

        f.txtCollocazione.setText(rs.text(QStringLiteral("Collocazione")));
        f.chkStraordinariaImportanza.setChecked(
            rs.value(QStringLiteral("IsStraordinariaImportanza")).toBool());

        core::ShowContext ctx{rs, m_currentId, riempieClassificatore(rs), m_editState};
        riempieValori(rs);
        f.txtNOTE.setText(rs.text(QStringLiteral("Note")));
        perSection([&ctx](core::CaseSection& s) { s.show(ctx); });
    });
}

// The classifier of the case in its list. The section and judge fields, the subject code and
// the first picture show unless the case is criminal (its section decides then).
core::Classifier TolmoPratica::riempieClassificatore(Recordset& rs) {
    core::PraticaForm& f = m_form;
    const int idCla = rs.value(QStringLiteral("ID_Cla")).toInt();
    const auto civile = [&] {
        for (form::Control* c :
             {&f.txtSezione, &f.lblSezione, static_cast<form::Control*>(&f.txtIstruttore), &f.lblIstruttore,
              static_cast<form::Control*>(&f.cmbCodOggetto), &f.Label1, f.picXP[0]})
            c->setVisible(true);
    };
    if (idCla <= 1) {
        f.cmbClassificatore.setSelectedRow(-1);
        f.cmbClassificatore.setText(QString());
        civile();
        m_classificatore = {};
        return m_classificatore;
    }
    f.cmbClassificatore.setSelectedRow(f.cmbClassificatore.findRow(1, QString::number(idCla)));
    f.cmbClassificatore.setText(m_builtin->freeFields.GetClassificatore(idCla));
    m_classificatore = {idCla, idCla == m_builtin->criminal.GetIdPenale()};
    if (!m_classificatore.penale) civile();
    return m_classificatore;
}

// Currency, value, injunction sum and relevance.
void TolmoPratica::riempieValori(Recordset& rs) {
    core::PraticaForm& f = m_form;
    const QString valuta = rs.text(QStringLiteral("Valuta"));
    const Currency cambio = rs.currency(QStringLiteral("Cambio"));
    SettaValuta(valuta, cambio);
    SettaCambioValuta(cambio, valuta);
    f.TEDDenaroValore.setAmount(core::importoMemorizzato(rs, QStringLiteral("Valore")));
    f.TedDenaroSommaIng.setAmount(core::importoMemorizzato(rs, QStringLiteral("SommaIngiunta")));
    f.TEDNumRilevanza.setText(rs.text(QStringLiteral("Rilevanza")));
}

void TolmoPratica::ricaricaPratica() {
    trap(kLetturaPratica, [&] {
        m_header.caricaPratica(m_currentId);
        AccessoDati pratica;
        pratica.Apri(m_connReadOnly, core::sqlVisualizzaPratica(m_currentId, m_header.isPenale()),
                     adLockReadOnly);
        if (!pratica.recordset().Eof()) RiempeCampiAVideo(pratica.recordset());
        pratica.Chiudi();
    });
}

void TolmoPratica::Annulla() {
    const short stato = m_editState;
    // The stored case comes back whole, in consultation: criminal fields included.
    m_editState = Consultazione;
    if (stato == Inserimento_) {
        perSection([](core::CaseSection& s) { s.insertionAbandoned(); });
        if (m_currentId == 0) {
            ClearForm();
            m_header.clear();
            m_builtin->criminal.nascondiScheda();
        } else {
            ricaricaPratica();
        }
    } else if (stato == Modifica_) {
        ricaricaPratica();
    }
    // The row Modifica opened is let go unwritten.
    m_pratica.reset();
    m_header.setMode(core::CaseHeader::Consultation);
    DisabilitaInput();
}

}  // namespace tolmo

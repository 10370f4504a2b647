// Emptying the case form, putting it in consultation and opening it for an edit.

#include "Builtin.h"

namespace tolmo {

void TolmoPratica::ClearForm() {
    core::PraticaForm& f = m_form;
    f.txtUfficioIscrizione.setText(QString());
    f.txtUfficioIscrizione.setTag(QString());
    f.txtUfficioIscrizione.setToolTip(QString());
    for (form::Control* c : {&f.txtSezione, &f.TEDNumRilevanza, &f.TedDataInizio, &f.TolDataChiusura,
                             &f.TDataUdienza, &f.TolDataArch, &f.txtCollocazione, &f.txtNOTE})
        c->setText(QString());
    f.TEDDenaroValore.setAmount(std::nullopt);
    f.TedDenaroSommaIng.setAmount(std::nullopt);
    for (form::Control* c :
         {&f.txtSezione, &f.lblSezione, static_cast<form::Control*>(&f.txtIstruttore), &f.lblIstruttore})
        c->setVisible(true);
    f.chkStraordinariaImportanza.setChecked(false);
    perSection([](core::CaseSection& s) { s.clear(); });
}

void TolmoPratica::ClearAllForm() {
    m_header.clear();
    ClearForm();
    m_form.SSTabPratica.setCurrent(core::TabGenerale);
    m_builtin->criminal.nascondiScheda();
}

void TolmoPratica::DisabilitaInput() {
    if (m_editState != Consultazione) return;
    core::PraticaForm& f = m_form;
    for (form::Control* c : {&f.FramePraticaGenerale, &f.fraCollocazione, &f.cmdTariffa})
        c->setEnabled(false);
    f.txtNOTE.setLocked(true);
    perSection([](core::CaseSection& s) { s.consult(); });
}

void TolmoPratica::abilitaModifica() {
    m_form.FramePraticaGenerale.setEnabled(true);
    m_form.fraCollocazione.setEnabled(true);
    perSection([](core::CaseSection& s) { s.beginEdit(); });
}

}  // namespace tolmo

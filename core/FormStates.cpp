// Emptying the case form and putting it in consultation.

#include "TolmoPratica.h"

namespace tolmo {

namespace {
// Width of the case value field when no injunction sum sits beside it.
constexpr int kValoreLargo = 2415;
}  // namespace

void TolmoPratica::RipristinaCampiLiberi() {
    for (int i = 0; i < core::PraticaForm::kCampiLiberi; ++i) {
        m_form.lblCampo[i]->setVisible(true);
        m_form.txtCampo[i]->setVisible(true);
        m_form.lblCampo[i]->setCaption(QStringLiteral("CAMPO ") + QString::number(i + 1));
    }
    m_form.SSTabPratica.setTabVisible(core::TabCampiLiberi2, true);
}

void TolmoPratica::ClearForm() {
    core::PraticaForm& f = m_form;
    f.txtUfficioIscrizione.setText(QString());
    f.txtUfficioIscrizione.setTag(QString());
    f.txtUfficioIscrizione.setToolTip(QString());
    for (form::Control* c : {&f.txtSezione, static_cast<form::Control*>(&f.txtIstruttore),
                             static_cast<form::Control*>(&f.cmbOggetto), static_cast<form::Control*>(&f.cmbCodOggetto),
                             static_cast<form::Control*>(&f.cmbCognomeLegaleCP), &f.txtNomeLegaleControparte,
                             static_cast<form::Control*>(&f.cmbFatturaACognome),
                             static_cast<form::Control*>(&f.cmbCorrispondente), &f.txtNomeCorrispondente,
                             &f.TEDNumRilevanza, &f.TedDataInizio, &f.TolDataChiusura, &f.TDataUdienza, &f.TolDataArch,
                             &f.txtCollocazione, &f.mskImportoContributo, &f.txtNOTE, &f.txtnRg, &f.FTotaleAcconti,
                             &f.FTotaleCredito, &f.FTotaleIncassi, &f.FSpeseSostenute, &f.FRimanenzaFondo})
        c->setText(QString());
    f.lblNomeFatturareA.setCaption(QString());
    f.lblTariffaImpostata.setCaption(QString());
    f.lblTarDati.setCaption(QString());
    f.TEDDenaroValore.setAmount(std::nullopt);
    f.TedDenaroSommaIng.setAmount(std::nullopt);

    RipristinaCampiLiberi();
    for (form::Control* c : f.txtCampo) c->setText(QString());

    f.fpStatoPra.setText(QStringLiteral("In corso"));
    f.cmbFase.setSelectedRow(-1);
    f.cmbFase.setText(QString());
    f.chkImpPartCiv.setChecked(false);
    for (form::Control* c : {&f.txtSezione, &f.lblSezione, static_cast<form::Control*>(&f.txtIstruttore),
                             &f.lblIstruttore})
        c->setVisible(true);

    // The notes take the court fee's place until a case says otherwise.
    f.optCU.setIndex(1);
    f.FraContributo_2.setVisible(false);
    f.cmdEstremi.setVisible(false);
    f.optContributo.setIndex(-1);
    f.chkDebito.setChecked(false);
    f.chkWeb.setChecked(false);
    f.chkStraordinariaImportanza.setChecked(false);

    f.TEDDenaroValore.setWidth(kValoreLargo);
    f.TedDenaroSommaIng.setVisible(false);
    f.lblSommaIng.setVisible(false);

    f.GridClienti.resize(0);
    f.GridControparti.resize(0);
}

void TolmoPratica::ClearAllForm() {
    m_header.clear();
    ClearForm();
    m_form.SSTabPratica.setCurrent(core::TabGenerale);
    m_form.SSTabPratica.setTabVisible(core::TabPenale, false);
}

void TolmoPratica::DisabilitaInput() {
    if (m_editState != Consultazione) return;
    core::PraticaForm& f = m_form;
    for (form::Control* c : {&f.FramePraticaGenerale, &f.FraContributo_2, &f.fraCollocazione, &f.fraPenale,
                             static_cast<form::Control*>(&f.cmbFase), &f.cmdTariffa, &f.cmdPiuCli, &f.cmdPiuContro,
                             &f.cmdMenoCli, &f.cmdMenoContro, &f.fraCampiLiberi, &f.fraCampiLiberi2, &f.fraSoggetti,
                             &f.fraRappresentanti})
        c->setEnabled(false);
    f.txtNOTE.setLocked(true);
    f.GridClienti.setLocked(true);
    f.GridControparti.setLocked(true);
    f.cmdAR.setEnabled(true);
}

}  // namespace tolmo

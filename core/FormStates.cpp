// Emptying the case form, putting it in consultation and opening it for an edit.

#include "TolmoPratica.h"

namespace tolmo {

void TolmoPratica::ClearForm() {
    core::PraticaForm& f = m_form;
    f.txtUfficioIscrizione.setText(QString());
    f.txtUfficioIscrizione.setTag(QString());
    f.txtUfficioIscrizione.setToolTip(QString());
    for (form::Control* c : {&f.txtSezione,
                             static_cast<form::Control*>(&f.txtIstruttore),
                             static_cast<form::Control*>(&f.cmbOggetto),
                             static_cast<form::Control*>(&f.cmbCodOggetto),
                             static_cast<form::Control*>(&f.cmbAutorita),
                             static_cast<form::Control*>(&f.cmbCognomeLegaleCP),
                             &f.txtNomeLegaleControparte,
                             static_cast<form::Control*>(&f.cmbFatturaACognome),
                             static_cast<form::Control*>(&f.cmbCorrispondente),
                             &f.txtNomeCorrispondente,
                             &f.TEDNumRilevanza,
                             &f.TedDataInizio,
                             &f.TolDataChiusura,
                             &f.TDataUdienza,
                             &f.TolDataArch,
                             &f.txtCollocazione,
                             &f.mskImportoContributo,
                             &f.txtNOTE,
                             &f.FTotaleAcconti,
                             &f.FTotaleCredito,
                             &f.FTotaleIncassi,
                             &f.FSpeseSostenute,
                             &f.FRimanenzaFondo})
        c->setText(QString());
    f.lblNomeFatturareA.setCaption(QString());
    f.lblTariffaImpostata.setCaption(QString());
    f.lblTarDati.setCaption(QString());
    f.TEDDenaroValore.setAmount(std::nullopt);
    f.TedDenaroSommaIng.setAmount(std::nullopt);

    m_freeFields.RipristinaCampiLiberi();
    for (form::Control* c : f.txtCampo) c->setText(QString());

    f.fpStatoPra.setText(QStringLiteral("In corso"));
    f.cmbFase.setSelectedRow(-1);
    f.cmbFase.setText(QString());
    f.chkImpPartCiv.setChecked(false);
    clearCaseExtensions();
    for (form::Control* c :
         {&f.txtSezione, &f.lblSezione, static_cast<form::Control*>(&f.txtIstruttore), &f.lblIstruttore})
        c->setVisible(true);

    // The notes take the court fee's place until a case says otherwise.
    f.optCU.setIndex(1);
    f.FraContributo_2.setVisible(false);
    f.cmdEstremi.setVisible(false);
    f.txtNOTE.setVisible(true);
    f.optContributo.setIndex(-1);
    f.chkDebito.setChecked(false);
    f.chkWeb.setChecked(false);
    f.chkStraordinariaImportanza.setChecked(false);
    m_catalogues.regolaSommaIngiunta(QString());

    f.GridClienti.resize(0);
    f.GridControparti.resize(0);
}

void TolmoPratica::ClearAllForm() {
    m_header.clear();
    ClearForm();
    m_form.SSTabPratica.setCurrent(core::TabGenerale);
    m_form.SSTabPratica.setTabVisible(core::TabPenale, false);
}

void TolmoPratica::nascondiSchedaPenale() {
    // A hidden tab cannot stay the one shown.
    if (m_form.SSTabPratica.current() == core::TabPenale) m_form.SSTabPratica.setCurrent(core::TabGenerale);
    m_form.SSTabPratica.setTabVisible(core::TabPenale, false);
}

void TolmoPratica::DisabilitaInput() {
    if (m_editState != Consultazione) return;
    core::PraticaForm& f = m_form;
    for (form::Control* c :
         {&f.FramePraticaGenerale, &f.FraContributo_2, &f.fraCollocazione, &f.fraPenale,
          static_cast<form::Control*>(&f.cmbFase), &f.cmdTariffa, &f.cmdPiuCli, &f.cmdPiuContro,
          &f.cmdMenoCli, &f.cmdMenoContro, &f.fraCampiLiberi, &f.fraCampiLiberi2, &f.fraSoggetti,
          &f.fraRappresentanti, &f.frameRiferimenti, &f.frameResponsabile, &f.FrameProcacciatore,
          &f.frameCorrispondente, &f.FrameWeb, static_cast<form::Control*>(&f.cmbCognomeLegaleCP),
          &f.txtNomeLegaleControparte, static_cast<form::Control*>(&f.cmbFatturaACognome)})
        c->setEnabled(false);
    f.txtNOTE.setLocked(true);
    f.GridClienti.setLocked(true);
    f.GridControparti.setLocked(true);
    f.cmdAR.setEnabled(true);
}

void TolmoPratica::abilitaModifica() {
    core::PraticaForm& f = m_form;
    // The counterparty's lawyer and the party to invoice belong with the general data.
    for (form::Control* c : {&f.FramePraticaGenerale, &f.FraContributo_2, &f.fraCollocazione, &f.fraPenale,
                             static_cast<form::Control*>(&f.cmbFase), static_cast<form::Control*>(&f.cmbCognomeLegaleCP),
                             &f.txtNomeLegaleControparte, static_cast<form::Control*>(&f.cmbFatturaACognome)})
        c->setEnabled(true);
}

}  // namespace tolmo

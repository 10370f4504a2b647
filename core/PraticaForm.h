#pragma once
// The case form: every named control the case-file behaviour reads and writes.

#include "MoneyField.h"
#include "form/Form.h"

#include <array>

namespace tolmo::core {

using form::CheckBox;
using form::Control;
using form::ControlKind;
using form::Grid;
using form::ListControl;
using form::OptionGroup;
using form::TabStrip;

/// Tabs of SSTabPratica.
enum Tab : int {
    TabGenerale = 0,
    TabParti = 1,
    TabRiferimenti = 2,
    TabCampiLiberi = 3,
    TabPenale = 4,
    TabContabilita = 5,
    TabCampiLiberi2 = 6,
    TabSoggetti = 7,
    TabRappresentanti = 8,
    TabCount = 9,
};

class PraticaForm : public form::Form {
public:
    PraticaForm();

    static constexpr int kCampiLiberi = 20;
    static constexpr int kPicXP = 4;

    // Header strip and the historical-archive presentation.
    Control ctlTestata1{this, QStringLiteral("ctlTestata1"), ControlKind::Frame};
    Control HITitolo{this, QStringLiteral("HITitolo"), ControlKind::Label};
    Control HIStorico{this, QStringLiteral("HIStorico"), ControlKind::Label};
    Control TolDataArch{this, QStringLiteral("TolDataArch"), ControlKind::TextBox};
    TabStrip SSTabPratica{this, QStringLiteral("SSTabPratica"), TabCount};

    // General data.
    Control FramePraticaGenerale{this, QStringLiteral("FramePraticaGenerale"), ControlKind::Frame};
    Control lblUfficio{this, QStringLiteral("lblUfficio"), ControlKind::Label};
    Control txtUfficioIscrizione{this, QStringLiteral("txtUfficioIscrizione"), ControlKind::TextBox};
    Control cmdUffici{this, QStringLiteral("cmdUffici"), ControlKind::Button};
    Control lblSezione{this, QStringLiteral("lblSezione"), ControlKind::Label};
    Control txtSezione{this, QStringLiteral("txtSezione"), ControlKind::TextBox};
    Control lblIstruttore{this, QStringLiteral("lblIstruttore"), ControlKind::Label};
    ListControl txtIstruttore{this, QStringLiteral("txtIstruttore"), ControlKind::ComboBox, 3};
    Control cmdInfoIstruttore{this, QStringLiteral("cmdInfoIstruttore"), ControlKind::Button};
    Control lblAutorita{this, QStringLiteral("lblAutorita"), ControlKind::Label};
    ListControl cmbAutorita{this, QStringLiteral("cmbAutorita"), ControlKind::ComboBox, 1};
    Control lblOggetto{this, QStringLiteral("lblOggetto"), ControlKind::Label};
    ListControl cmbOggetto{this, QStringLiteral("cmbOggetto"), ControlKind::ComboBox, 4};
    Control Label1{this, QStringLiteral("Label1"), ControlKind::Label};
    ListControl cmbCodOggetto{this, QStringLiteral("cmbCodOggetto"), ControlKind::ComboBox, 2};
    Control lblStato{this, QStringLiteral("lblStato"), ControlKind::Label};
    ListControl fpStatoPra{this, QStringLiteral("fpStatoPra"), ControlKind::ComboBox, 1};
    Control lblClassificatore{this, QStringLiteral("lblClassificatore"), ControlKind::Label};
    ListControl cmbClassificatore{this, QStringLiteral("cmbClassificatore"), ControlKind::ComboBox, 2};
    Control lblSottoarea{this, QStringLiteral("lblSottoarea"), ControlKind::Label};
    ListControl cmbSottoarea{this, QStringLiteral("cmbSottoarea"), ControlKind::ComboBox, 2};
    Control lblTipologia{this, QStringLiteral("lblTipologia"), ControlKind::Label};
    ListControl cmbTipologia{this, QStringLiteral("cmbTipologia"), ControlKind::ComboBox, 2};
    Control lblValore{this, QStringLiteral("lblValore"), ControlKind::Label};
    MoneyField TEDDenaroValore{this, QStringLiteral("TEDDenaroValore")};
    Control lblSommaIng{this, QStringLiteral("lblSommaIng"), ControlKind::Label};
    MoneyField TedDenaroSommaIng{this, QStringLiteral("TedDenaroSommaIng")};
    Control lblRilevanza{this, QStringLiteral("lblRilevanza"), ControlKind::Label};
    Control TEDNumRilevanza{this, QStringLiteral("TEDNumRilevanza"), ControlKind::TextBox};
    Control lblDataInizio{this, QStringLiteral("lblDataInizio"), ControlKind::Label};
    Control TedDataInizio{this, QStringLiteral("TedDataInizio"), ControlKind::TextBox};
    Control lblDataChiusura{this, QStringLiteral("lblDataChiusura"), ControlKind::Label};
    Control TolDataChiusura{this, QStringLiteral("TolDataChiusura"), ControlKind::TextBox};
    Control lblDataUdienza{this, QStringLiteral("lblDataUdienza"), ControlKind::Label};
    Control TDataUdienza{this, QStringLiteral("TDataUdienza"), ControlKind::TextBox};
    CheckBox chkStraordinariaImportanza{this, QStringLiteral("chkStraordinariaImportanza")};
    Control lblTariffaImpostata{this, QStringLiteral("lblTariffaImpostata"), ControlKind::Label};
    Control lblTarDati{this, QStringLiteral("lblTarDati"), ControlKind::Label};
    Control cmdTariffa{this, QStringLiteral("cmdTariffa"), ControlKind::Button};
    Control cmdAR{this, QStringLiteral("cmdAR"), ControlKind::Button};
    Control cmdPratCollegate{this, QStringLiteral("cmdPratCollegate"), ControlKind::Button};
    Control cmdInfoFatt{this, QStringLiteral("cmdInfoFatt"), ControlKind::Button};
    Control cmdInfoAvvCp{this, QStringLiteral("cmdInfoAvvCp"), ControlKind::Button};

    // Court fee section and the notes that share its place.
    OptionGroup optCU{this, QStringLiteral("optCU"), 2};  // 0 court fee view, 1 notes view
    Control FraContributo_2{this, QStringLiteral("FraContributo_2"), ControlKind::Frame};
    OptionGroup optContributo{this, QStringLiteral("optContributo"), 3};
    Control mskImportoContributo{this, QStringLiteral("mskImportoContributo"), ControlKind::TextBox};
    CheckBox chkDebito{this, QStringLiteral("chkDebito")};
    Control cmdCalcola{this, QStringLiteral("cmdCalcola"), ControlKind::Button};
    Control cmdEstremi{this, QStringLiteral("cmdEstremi"), ControlKind::Button};
    Control txtNOTE{this, QStringLiteral("txtNOTE"), ControlKind::TextBox};
    Control fraCollocazione{this, QStringLiteral("fraCollocazione"), ControlKind::Frame};
    Control txtCollocazione{this, QStringLiteral("txtCollocazione"), ControlKind::TextBox};

    // Parties.
    Control fraAltri{this, QStringLiteral("fraAltri"), ControlKind::Frame};
    Grid GridClienti{this, QStringLiteral("GridClienti"), 4};
    Grid GridControparti{this, QStringLiteral("GridControparti"), 4};
    Grid DropClienti{this, QStringLiteral("DropClienti"), 3};
    Grid DropControparti{this, QStringLiteral("DropControparti"), 3};
    Control cmdPiuCli{this, QStringLiteral("cmdPiuCli"), ControlKind::Button};
    Control cmdMenoCli{this, QStringLiteral("cmdMenoCli"), ControlKind::Button};
    Control cmdPiuContro{this, QStringLiteral("cmdPiuContro"), ControlKind::Button};
    Control cmdMenoContro{this, QStringLiteral("cmdMenoContro"), ControlKind::Button};
    ListControl cmbCognomeLegaleCP{this, QStringLiteral("cmbCognomeLegaleCP"), ControlKind::ComboBox, 3};
    Control txtNomeLegaleControparte{this, QStringLiteral("txtNomeLegaleControparte"), ControlKind::TextBox};
    ListControl cmbFatturaACognome{this, QStringLiteral("cmbFatturaACognome"), ControlKind::ComboBox, 3};
    Control lblNomeFatturareA{this, QStringLiteral("lblNomeFatturareA"), ControlKind::Label};

    // References.
    Control frameCorrispondente{this, QStringLiteral("frameCorrispondente"), ControlKind::Frame};
    ListControl cmbCorrispondente{this, QStringLiteral("cmbCorrispondente"), ControlKind::ComboBox, 3};
    Control txtNomeCorrispondente{this, QStringLiteral("txtNomeCorrispondente"), ControlKind::TextBox};
    Control frameRiferimenti{this, QStringLiteral("frameRiferimenti"), ControlKind::Frame};
    ListControl cmbContabilita{this, QStringLiteral("cmbContabilita"), ControlKind::ComboBox, 2};
    ListControl cmbReferente{this, QStringLiteral("cmbReferente"), ControlKind::ComboBox, 2};
    ListControl cmbRiservata{this, QStringLiteral("cmbRiservata"), ControlKind::ComboBox, 3};
    Control frameResponsabile{this, QStringLiteral("frameResponsabile"), ControlKind::Frame};
    ListControl cmbResponsabile{this, QStringLiteral("cmbResponsabile"), ControlKind::ComboBox, 2};
    Control FrameProcacciatore{this, QStringLiteral("FrameProcacciatore"), ControlKind::Frame};
    ListControl cmbProcacciatore{this, QStringLiteral("cmbProcacciatore"), ControlKind::ComboBox, 3};
    Control FrameWeb{this, QStringLiteral("FrameWeb"), ControlKind::Frame};
    CheckBox chkWeb{this, QStringLiteral("chkWeb")};

    // Free fields: 1-10 on the free-fields tab, 11-20 on the second one.
    Control fraCampiLiberi{this, QStringLiteral("fraCampiLiberi"), ControlKind::Frame};
    Control fraCampiLiberi2{this, QStringLiteral("fraCampiLiberi2"), ControlKind::Frame};
    std::array<Control*, kCampiLiberi> lblCampo{};
    std::array<Control*, kCampiLiberi> txtCampo{};

    // Criminal proceedings.
    Control fraPenale{this, QStringLiteral("fraPenale"), ControlKind::Frame};
    ListControl cmbFase{this, QStringLiteral("cmbFase"), ControlKind::ComboBox, 3};
    CheckBox chkImpPartCiv{this, QStringLiteral("chkImpPartCiv")};
    Control txtnRg{this, QStringLiteral("txtnRg"), ControlKind::TextBox};

    // Accounting summary.
    Control FTotaleAcconti{this, QStringLiteral("FTotaleAcconti"), ControlKind::TextBox};
    Control FSpeseSostenute{this, QStringLiteral("FSpeseSostenute"), ControlKind::TextBox};
    Control FRimanenzaFondo{this, QStringLiteral("FRimanenzaFondo"), ControlKind::TextBox};
    Control FTotaleCredito{this, QStringLiteral("FTotaleCredito"), ControlKind::TextBox};
    Control FTotaleIncassi{this, QStringLiteral("FTotaleIncassi"), ControlKind::TextBox};

    // Involved subjects and their representatives.
    Control fraSoggetti{this, QStringLiteral("fraSoggetti"), ControlKind::Frame};
    ListControl cmbSoggetto{this, QStringLiteral("cmbSoggetto"), ControlKind::ComboBox, 3};
    Control fraRappresentanti{this, QStringLiteral("fraRappresentanti"), ControlKind::Frame};

    std::array<Control*, kPicXP> picXP{};
};

}  // namespace tolmo::core

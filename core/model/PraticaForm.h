#pragma once
// The case form: the one registry of every named control of the case window.

#include <array>

#include "MoneyField.h"
#include "form/Form.h"

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

/// The controls every part of the case form shares: the header strip, the tabs and the general
/// data. Each section registers the controls of its own fields into the same form, under their
/// names, so the binder and the JSON driver see one form.
class PraticaForm : public form::Form {
public:
    PraticaForm();

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
    Control lblSezione{this, QStringLiteral("lblSezione"), ControlKind::Label};
    Control txtSezione{this, QStringLiteral("txtSezione"), ControlKind::TextBox};
    Control lblIstruttore{this, QStringLiteral("lblIstruttore"), ControlKind::Label};
    ListControl txtIstruttore{this, QStringLiteral("txtIstruttore"), ControlKind::ComboBox, 3};
    Control cmdInfoIstruttore{this, QStringLiteral("cmdInfoIstruttore"), ControlKind::Button};
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

    // The notes, which share their place with the court fee, and the location.
    Control txtNOTE{this, QStringLiteral("txtNOTE"), ControlKind::TextBox};
    Control fraCollocazione{this, QStringLiteral("fraCollocazione"), ControlKind::Frame};
    Control txtCollocazione{this, QStringLiteral("txtCollocazione"), ControlKind::TextBox};

    std::array<Control*, kPicXP> picXP{};
};

}  // namespace tolmo::core

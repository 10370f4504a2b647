#pragma once
// The controls of the criminal side of a case: the authority beside the general data, and the
// criminal tab with its phase and the frames of the five phases.

#include "core/model/PraticaForm.h"

namespace tolmo::criminal {

using core::CheckBox;
using core::Control;
using core::ControlKind;
using core::ListControl;
using core::OptionGroup;

struct CriminalFields {
    explicit CriminalFields(form::Form& form) : f(&form) {}
    form::Form* f;

    Control lblAutorita{f, QStringLiteral("lblAutorita"), ControlKind::Label};
    ListControl cmbAutorita{f, QStringLiteral("cmbAutorita"), ControlKind::ComboBox, 1};
    Control fraPenale{f, QStringLiteral("fraPenale"), ControlKind::Frame};
    /// Columns: id_fase, fase, NumFase.
    ListControl cmbFase{f, QStringLiteral("cmbFase"), ControlKind::ComboBox, 3};
    CheckBox chkImpPartCiv{f, QStringLiteral("chkImpPartCiv")};

    // Preliminary investigation (1) and preliminary hearing (2).
    Control fraIndPre{f, QStringLiteral("fraIndPre"), ControlKind::Frame};
    Control txtPm{f, QStringLiteral("txtPm"), ControlKind::TextBox};
    Control txtnRg{f, QStringLiteral("txtnRg"), ControlKind::TextBox};
    Control txtRegGip{f, QStringLiteral("txtRegGip"), ControlKind::TextBox};
    Control lblModRg{f, QStringLiteral("lblModRg"), ControlKind::Label};
    ListControl cmbModRegRea{f, QStringLiteral("cmbModRegRea"), ControlKind::ComboBox, 1};
    Control lblGip{f, QStringLiteral("lblGip"), ControlKind::Label};
    Control txtGip0{f, QStringLiteral("txtGip(0)"), ControlKind::TextBox};  ///< the GIP judge (1)
    Control lblGup{f, QStringLiteral("lblGup"), ControlKind::Label};
    Control txtGip1{f, QStringLiteral("txtGip(1)"), ControlKind::TextBox};  ///< the GUP judge (2)
    Control lblAvviso{f, QStringLiteral("lblAvviso"), ControlKind::Label};
    Control fdAvvChius{f, QStringLiteral("fdAvvChius"), ControlKind::TextBox};
    Control lblRitAlt{f, QStringLiteral("lblRitAlt"), ControlKind::Label};
    ListControl fpRitAlt{f, QStringLiteral("fpRitAlt"), ControlKind::ComboBox, 1};
    Control lblEsi{f, QStringLiteral("lblEsi"), ControlKind::Label};
    /// The outcome: option 0 "Ordinanza" (optOrd), option 1 "Sentenza" (optSen).
    OptionGroup optEsito{f, QStringLiteral("optEsito"), 2};
    Control cmdInfo{f, QStringLiteral("cmdInfo"), ControlKind::Button};
    Control cmdCalScadImp2{f, QStringLiteral("cmdCalScadImp2"), ControlKind::Button};
    Control fraSentUdiPre{f, QStringLiteral("fraSentUdiPre"), ControlKind::Frame};
    Control fdDatSenUdi{f, QStringLiteral("fdDatSenUdi"), ControlKind::TextBox};
    Control txtNumSenUdi{f, QStringLiteral("txtNumSenUdi"), ControlKind::TextBox};
    ListControl fpDepMotUdi{f, QStringLiteral("fpDepMotUdi"), ControlKind::ComboBox, 1};
    Control fdDepMotUdi{f, QStringLiteral("fdDepMotUdi"), ControlKind::TextBox};
    Control lblTerDepMotUdi{f, QStringLiteral("lblTerDepMotUdi"), ControlKind::Label};
    Control fdTerDepMotUdi{f, QStringLiteral("fdTerDepMotUdi"), ControlKind::TextBox};
    Control fdNotDepMotUdi{f, QStringLiteral("fdNotDepMotUdi"), ControlKind::TextBox};

    // Trial (3).
    Control fraDibatt{f, QStringLiteral("fraDibatt"), ControlKind::Frame};
    Control lblPm3{f, QStringLiteral("lblPm3"), ControlKind::Label};
    Control txtPmDib{f, QStringLiteral("txtPmDib"), ControlKind::TextBox};
    Control txtNrgReDibat{f, QStringLiteral("txtNrgReDibat"), ControlKind::TextBox};
    Control lblnRgDibatt{f, QStringLiteral("lblnRgDibatt"), ControlKind::Label};
    Control txtnRegDib{f, QStringLiteral("txtnRegDib"), ControlKind::TextBox};
    ListControl cmbAutGiuDib{f, QStringLiteral("cmbAutGiuDib"), ControlKind::ComboBox, 1};
    Control lblGiuDib{f, QStringLiteral("lblGiuDib"), ControlKind::Label};
    Control txtLblGiuDib{f, QStringLiteral("txtLblGiuDib"), ControlKind::TextBox};
    Control txtSez{f, QStringLiteral("txtSez"), ControlKind::TextBox};
    Control fdDatSenDib{f, QStringLiteral("fdDatSenDib"), ControlKind::TextBox};
    Control txtNumSen{f, QStringLiteral("txtNumSen"), ControlKind::TextBox};
    ListControl cmbDepMotDib{f, QStringLiteral("cmbDepMotDib"), ControlKind::ComboBox, 1};
    Control fdDepMot{f, QStringLiteral("fdDepMot"), ControlKind::TextBox};
    Control lblTerDepMot{f, QStringLiteral("lblTerDepMot"), ControlKind::Label};
    Control fdTerDepMot{f, QStringLiteral("fdTerDepMot"), ControlKind::TextBox};
    Control fdNotDepMot{f, QStringLiteral("fdNotDepMot"), ControlKind::TextBox};
    Control cmdInfoDib{f, QStringLiteral("cmdInfoDib"), ControlKind::Button};
    Control cmdCalScadImp3{f, QStringLiteral("cmdCalScadImp3"), ControlKind::Button};

    // Appeal (4).
    Control fraAppello{f, QStringLiteral("fraAppello"), ControlKind::Frame};
    Control lblProGen{f, QStringLiteral("lblProGen"), ControlKind::Label};
    Control txtPg4{f, QStringLiteral("txtPg4"), ControlKind::TextBox};
    Control txtnRegRea4{f, QStringLiteral("txtnRegRea4"), ControlKind::TextBox};
    Control txtRegApp4{f, QStringLiteral("txtRegApp4"), ControlKind::TextBox};
    ListControl cmbAut4{f, QStringLiteral("cmbAut4"), ControlKind::ComboBox, 1};
    Control txtSez4{f, QStringLiteral("txtSez4"), ControlKind::TextBox};
    Control fdDatSen4{f, QStringLiteral("fdDatSen4"), ControlKind::TextBox};
    Control txtSen4{f, QStringLiteral("txtSen4"), ControlKind::TextBox};
    ListControl cmbDepMot4{f, QStringLiteral("cmbDepMot4"), ControlKind::ComboBox, 1};
    Control fdDatDep4{f, QStringLiteral("fdDatDep4"), ControlKind::TextBox};
    Control lblTerDepMot4{f, QStringLiteral("lblTerDepMot4"), ControlKind::Label};
    Control fdTerDepMot4{f, QStringLiteral("fdTerDepMot4"), ControlKind::TextBox};
    Control fdNotDepMot4{f, QStringLiteral("fdNotDepMot4"), ControlKind::TextBox};
    Control cmdInfoApp{f, QStringLiteral("cmdInfoApp"), ControlKind::Button};
    Control cmdCalScadImp4{f, QStringLiteral("cmdCalScadImp4"), ControlKind::Button};

    // Cassation (5).
    Control fraCassaz{f, QStringLiteral("fraCassaz"), ControlKind::Frame};
    Control txtPmCass{f, QStringLiteral("txtPmCass"), ControlKind::TextBox};
    Control txtNrgCass{f, QStringLiteral("txtNrgCass"), ControlKind::TextBox};
    Control txtnRgCass5{f, QStringLiteral("txtnRgCass5"), ControlKind::TextBox};
    Control txtSezCass{f, QStringLiteral("txtSezCass"), ControlKind::TextBox};
    ListControl cmbTipSen{f, QStringLiteral("cmbTipSen"), ControlKind::ComboBox, 1};
    Control txtNumSenCass{f, QStringLiteral("txtNumSenCass"), ControlKind::TextBox};
    Control fdDatSen5{f, QStringLiteral("fdDatSen5"), ControlKind::TextBox};
    Control fdDepMotCass{f, QStringLiteral("fdDepMotCass"), ControlKind::TextBox};
};

}  // namespace tolmo::criminal

#pragma once
// The yes/no question dialog with a "do not ask again" tick.

#include "ClsIDToPrat.h"
#include "form/Form.h"

namespace tolmo::links {

class DlgRichiedi : public form::Form {
public:
    DlgRichiedi();

    /// Puts the question into the dialog.
    void ImpostaMessaggio(const QString& text);
    /// Hands in the object that receives the answer.
    void SettaDlg(clsIDToPrat* answer);

    form::Control lblMessaggio{this, QStringLiteral("lblMessaggio"), form::ControlKind::Label};
    form::Control cmdOk{this, QStringLiteral("cmdOk"), form::ControlKind::Button};
    form::Control cmdAnnulla{this, QStringLiteral("cmdAnnulla"), form::ControlKind::Button};
    form::CheckBox chkNonRic{this, QStringLiteral("chkNonRic")};

private:
    void rispondi(short risposta);
    clsIDToPrat* m_answer = nullptr;
};

}  // namespace tolmo::links

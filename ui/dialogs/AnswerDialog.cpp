#include "ui/dialogs/AnswerDialog.h"

#include <QAbstractButton>

namespace tolmo::ui {

void AnswerDialog::setEscapeButton(QAbstractButton* button) { m_escape = button; }

void AnswerDialog::reject() {
    // The button's handler closes the form, and the form the dialog; a button the form has
    // disabled leaves the dialog open, as a click on it would.
    if (m_escape && m_escape->isVisible()) {
        if (m_escape->isEnabled()) m_escape->click();
        return;
    }
    QDialog::reject();
}

}  // namespace tolmo::ui

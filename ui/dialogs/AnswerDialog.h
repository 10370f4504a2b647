#pragma once
// A dialog whose Esc key and window close press one of its buttons ("No", "Annulla"), so
// the headless form behind it answers as if the person had clicked that button.

#include <QDialog>
#include <QPointer>

class QAbstractButton;

namespace tolmo::ui {

class AnswerDialog : public QDialog {
    Q_OBJECT
public:
    explicit AnswerDialog(QWidget* parent = nullptr) : QDialog(parent) {}

    /// The button Esc and the window's close press; none: they just close the dialog.
    void setEscapeButton(QAbstractButton* button);

    void reject() override;

private:
    QPointer<QAbstractButton> m_escape;
};

}  // namespace tolmo::ui

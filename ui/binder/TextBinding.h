#pragma once
// A text entry: QLineEdit, QPlainTextEdit or QTextEdit (plain text). A line edit mirrors the
// control's input mask ("##/##/####"), display format and select-on-entry.

#include "ui/binder/Binding.h"

namespace tolmo::ui {

class TextBinding : public Binding {
public:
    using Binding::Binding;

protected:
    void adopt() override;
    void show(form::Prop prop) override;
    void listen() override;
    /// Entering shows the text as typed (whole, selected when the control asks); leaving shows
    /// it in the control's display format.
    void focusMoved(bool in, bool entered) override;

private:
    QString widgetText() const;
    /// The control's text as the widget shows it now: in its display format when not focused.
    QString shownText() const;
    void showMask();
    void typed(const QString& text);
};

}  // namespace tolmo::ui

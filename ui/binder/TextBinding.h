#pragma once
// A text entry: QLineEdit, QPlainTextEdit or QTextEdit (plain text).

#include "ui/binder/Binding.h"

namespace tolmo::ui {

class TextBinding : public Binding {
public:
    using Binding::Binding;

protected:
    void adopt() override;
    void show(form::Prop prop) override;
    void listen() override;

private:
    QString widgetText() const;
    void typed(const QString& text);
};

}  // namespace tolmo::ui

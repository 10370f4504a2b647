#include "ui/binder/TextBinding.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace tolmo::ui {

using form::Prop;

QString TextBinding::widgetText() const {
    if (auto* line = qobject_cast<QLineEdit*>(widget())) return line->text();
    if (auto* plain = qobject_cast<QPlainTextEdit*>(widget())) return plain->toPlainText();
    if (auto* rich = qobject_cast<QTextEdit*>(widget())) return rich->toPlainText();
    return {};
}

void TextBinding::adopt() {
    Binding::adopt();
    if (control().text().isEmpty()) {
        const QString shown = widgetText();
        if (!shown.isEmpty()) control().setText(shown);
    }
}

void TextBinding::show(Prop prop) {
    if (prop != Prop::Text) return;
    const QString& text = control().text();
    if (widgetText() == text) return;
    if (auto* line = qobject_cast<QLineEdit*>(widget())) {
        // A handler reshaping what the person types (upper case...) keeps the cursor in place.
        const int cursor = line->cursorPosition();
        const bool sameLength = line->text().size() == text.size();
        line->setText(text);
        if (sameLength)
            line->setCursorPosition(cursor);
        else if (!line->hasFocus())
            line->setCursorPosition(0);  // a long text the form shows reads from its start
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(widget())) {
        plain->setPlainText(text);
    } else if (auto* rich = qobject_cast<QTextEdit*>(widget())) {
        rich->setPlainText(text);
    }
}

void TextBinding::typed(const QString& text) {
    if (!echoing()) control().setText(text);
}

void TextBinding::listen() {
    if (auto* line = qobject_cast<QLineEdit*>(widget())) {
        connect(line, &QLineEdit::textEdited, this, &TextBinding::typed);
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(widget())) {
        connect(plain, &QPlainTextEdit::textChanged, this, [this, plain] { typed(plain->toPlainText()); });
    } else if (auto* rich = qobject_cast<QTextEdit*>(widget())) {
        connect(rich, &QTextEdit::textChanged, this, [this, rich] { typed(rich->toPlainText()); });
    }
}

}  // namespace tolmo::ui

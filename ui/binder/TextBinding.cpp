#include "ui/binder/TextBinding.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QTimer>

#include "ui/binder/DisplayFormat.h"

namespace tolmo::ui {

using form::Prop;

// A masked entry's text keeps the mask's blanks ("__/__/____"), as the form holds it.
QString TextBinding::widgetText() const {
    if (auto* line = qobject_cast<QLineEdit*>(widget()))
        return line->inputMask().isEmpty() ? line->text() : line->displayText();
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

QString TextBinding::shownText() const {
    const form::Control& c = control();
    auto* line = qobject_cast<QLineEdit*>(widget());
    if (!line || line->hasFocus() || c.format().isEmpty() || !c.mask().isEmpty()) return c.text();
    return formatoVisibile(c.format(), c.text());
}

void TextBinding::showMask() {
    auto* line = qobject_cast<QLineEdit*>(widget());
    if (!line) return;
    const QString mask = mascheraQt(control().mask());
    if (line->inputMask() == mask) return;
    line->setInputMask(mask);
    showMaxLength();  // Qt forgets the length limit when a mask comes or goes
}

void TextBinding::focusMoved(bool in, bool entered) {
    show(Prop::Text);
    auto* line = qobject_cast<QLineEdit*>(widget());
    if (in && entered && line && control().selectOnEntry())
        QTimer::singleShot(0, line, [line] { line->selectAll(); });  // after the click places the cursor
}

void TextBinding::show(Prop prop) {
    if (prop == Prop::Format) {
        showMask();
        prop = Prop::Text;
    }
    if (prop != Prop::Text) return;
    const QString text = shownText();
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
        connect(line, &QLineEdit::textEdited, this, [this] { typed(widgetText()); });
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(widget())) {
        connect(plain, &QPlainTextEdit::textChanged, this, [this, plain] { typed(plain->toPlainText()); });
    } else if (auto* rich = qobject_cast<QTextEdit*>(widget())) {
        connect(rich, &QTextEdit::textChanged, this, [this, rich] { typed(rich->toPlainText()); });
    }
}

}  // namespace tolmo::ui

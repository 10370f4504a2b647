#include "form/ScriptedInteraction.h"

#include "form/Form.h"

namespace tolmo::form {

MsgAnswer ScriptedInteraction::messageBox(const QString& text, const QString& title, MsgButtons buttons,
                                          MsgIcon icon, int defaultButton) {
    MsgAnswer answer = defaultAnswer(buttons, defaultButton);
    if (!m_answers.empty()) {
        answer = m_answers.front();
        m_answers.pop_front();
    }
    m_messages.push_back({text, title, icon, buttons, answer});
    if (listener) listener({Happening::Message, m_messages.back(), {}, 0});
    return answer;
}

void ScriptedInteraction::showModal(Form& form) {
    form.setShown(true);
    m_shown.push_back(form.name());
    if (listener) listener({Happening::Shown, {}, form.name(), 0});
    // A copy: the script may register scripts of its own.
    const std::function<void(Form&)> script = m_scripts.value(form.name());
    if (script) script(form);
    if (form.isShown()) form.setShown(false);
}

void ScriptedInteraction::setPointer(int pointer) {
    m_pointer = pointer;
    m_pointers.push_back(pointer);
    if (listener) listener({Happening::PointerChange, {}, {}, pointer});
}

bool ScriptedInteraction::shellOpen(const QString& target, Form*) {
    m_opened.push_back(target);
    if (listener) listener({Happening::ShellOpen, {}, target, 0});
    return !m_shellFails;
}

void ScriptedInteraction::onShow(const QString& formName, std::function<void(Form&)> script) {
    m_scripts.insert(formName, std::move(script));
}

void ScriptedInteraction::clearRecord() {
    m_messages.clear();
    m_shown.clear();
    m_pointers.clear();
    m_opened.clear();
}

}  // namespace tolmo::form

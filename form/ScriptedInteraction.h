#pragma once
// Interaction for tests and the JSON driver: queued answers, scripts run when a form
// is shown modally, and a record of every message, modal form and pointer change.

#include <QHash>
#include <QString>
#include <deque>
#include <functional>
#include <vector>

#include "Interaction.h"

namespace tolmo::form {

struct MessageRecord {
    QString text, title;
    MsgIcon icon;
    MsgButtons buttons;
    MsgAnswer answer;
};

class ScriptedInteraction : public Interaction {
public:
    MsgAnswer messageBox(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon,
                         int defaultButton = 0) override;
    void showModal(Form& form) override;
    void setPointer(int pointer) override;
    int pointer() const override { return m_pointer; }
    /// Records the target; nothing is opened. Fails while setShellFails(true).
    bool shellOpen(const QString& target, Form* owner) override;
    void setShellFails(bool fails) { m_shellFails = fails; }

    /// Queues answers for the next message boxes; a box with nothing queued takes its default.
    void queueAnswer(MsgAnswer answer) { m_answers.push_back(answer); }
    /// Queued answers no box has taken yet.
    std::size_t pendingAnswers() const { return m_answers.size(); }
    /// Runs `script` each time the form named `formName` is shown modally. When the
    /// script leaves the form shown, the form is closed as if the person pressed Esc.
    void onShow(const QString& formName, std::function<void(Form&)> script);

    /// What happened, in order; the listener sees each as it happens.
    struct Happening {
        enum Kind { Message, Shown, PointerChange, ShellOpen } kind;
        MessageRecord message;
        QString form;  ///< Shown: the form; ShellOpen: the target
        int pointer = 0;
    };
    std::function<void(const Happening&)> listener;
    const std::vector<MessageRecord>& messages() const { return m_messages; }
    const std::vector<QString>& shownForms() const { return m_shown; }
    /// Every target handed to the shell, in order.
    const std::vector<QString>& opened() const { return m_opened; }
    /// Every setPointer call, in order.
    std::vector<int> pointerHistory() const { return m_pointers; }
    void clearRecord();  ///< forgets what happened; queued answers and scripts stay

private:
    std::deque<MsgAnswer> m_answers;
    QHash<QString, std::function<void(Form&)>> m_scripts;
    std::vector<MessageRecord> m_messages;
    std::vector<QString> m_shown;
    std::vector<QString> m_opened;
    std::vector<int> m_pointers;
    int m_pointer = 0;
    bool m_shellFails = false;
};

}  // namespace tolmo::form

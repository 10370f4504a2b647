#pragma once
// The one port through which the behaviour talks to the person.

#include <QString>
#include <functional>
#include <vector>

namespace tolmo::form {

class Form;

enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgButtons { OK, OKCancel, AbortRetryIgnore, YesNoCancel, YesNo, RetryCancel };
enum class MsgAnswer { OK, Cancel, Abort, Retry, Ignore, Yes, No };

/// Mouse pointers as the component names them: 0 default, 11 busy.
enum Pointer { PointerDefault = 0, PointerBusy = 11 };

QString msgIconName(MsgIcon icon);
QString msgButtonsName(MsgButtons buttons);
QString msgAnswerName(MsgAnswer answer);
bool msgAnswerFromName(const QString& name, MsgAnswer* answer);
/// The buttons of a box, left to right, as the answers they give.
std::vector<MsgAnswer> msgButtonAnswers(MsgButtons buttons);
/// The answer a box gives when the person just presses Enter: its default button
/// (the first one when `defaultButton` is out of range).
MsgAnswer defaultAnswer(MsgButtons buttons, int defaultButton);

class Interaction {
public:
    virtual ~Interaction() = default;
    /// Shows a message box; `defaultButton` is 0 for the first button, 1 the second...
    virtual MsgAnswer messageBox(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon,
                                 int defaultButton = 0) = 0;
    /// Shows `form` modally and returns when the form's behaviour hides it.
    virtual void showModal(Form& form) = 0;
    /// Sets the screen pointer (0 default, 11 busy).
    virtual void setPointer(int pointer) = 0;
    virtual int pointer() const = 0;
    /// Asks the shell to "open" `target` (a file path or a "mailto:" address) in a normal window
    /// owned by `owner`'s window. False when the shell could not start anything for it.
    virtual bool shellOpen(const QString& target, Form* owner) = 0;
    /// Lets the screen show what changed (a wait label) before a long piece of work goes on.
    virtual void repaint() {}
    /// Waits until `finito` answers true, for work done on another thread; the windows go on
    /// painting meanwhile, and what the person types waits for the end.
    virtual void attendi(const std::function<bool()>& finito);
};

/// Busy pointer for the life of a scope; restores the default at the end.
class BusyPointer {
public:
    explicit BusyPointer(Interaction& ui) : m_ui(ui) { m_ui.setPointer(PointerBusy); }
    ~BusyPointer() { m_ui.setPointer(PointerDefault); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

private:
    Interaction& m_ui;
};

}  // namespace tolmo::form

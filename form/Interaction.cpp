#include "form/Interaction.h"

#include <chrono>
#include <thread>

namespace tolmo::form {

void Interaction::attendi(const std::function<bool()>& finito) {
    while (!finito()) std::this_thread::sleep_for(std::chrono::milliseconds(10));
}

QString msgIconName(MsgIcon icon) {
    switch (icon) {
        case MsgIcon::None:
            return QStringLiteral("None");
        case MsgIcon::Critical:
            return QStringLiteral("Critical");
        case MsgIcon::Question:
            return QStringLiteral("Question");
        case MsgIcon::Exclamation:
            return QStringLiteral("Exclamation");
        case MsgIcon::Information:
            return QStringLiteral("Information");
    }
    return {};
}

QString msgButtonsName(MsgButtons buttons) {
    switch (buttons) {
        case MsgButtons::OK:
            return QStringLiteral("OK");
        case MsgButtons::OKCancel:
            return QStringLiteral("OKCancel");
        case MsgButtons::AbortRetryIgnore:
            return QStringLiteral("AbortRetryIgnore");
        case MsgButtons::YesNoCancel:
            return QStringLiteral("YesNoCancel");
        case MsgButtons::YesNo:
            return QStringLiteral("YesNo");
        case MsgButtons::RetryCancel:
            return QStringLiteral("RetryCancel");
    }
    return {};
}

QString msgAnswerName(MsgAnswer answer) {
    switch (answer) {
        case MsgAnswer::OK:
            return QStringLiteral("OK");
        case MsgAnswer::Cancel:
            return QStringLiteral("Cancel");
        case MsgAnswer::Abort:
            return QStringLiteral("Abort");
        case MsgAnswer::Retry:
            return QStringLiteral("Retry");
        case MsgAnswer::Ignore:
            return QStringLiteral("Ignore");
        case MsgAnswer::Yes:
            return QStringLiteral("Yes");
        case MsgAnswer::No:
            return QStringLiteral("No");
    }
    return {};
}

bool msgAnswerFromName(const QString& name, MsgAnswer* answer) {
    for (MsgAnswer a : {MsgAnswer::OK, MsgAnswer::Cancel, MsgAnswer::Abort, MsgAnswer::Retry,
                        MsgAnswer::Ignore, MsgAnswer::Yes, MsgAnswer::No}) {
        if (name.compare(msgAnswerName(a), Qt::CaseInsensitive) == 0) {
            *answer = a;
            return true;
        }
    }
    return false;
}

std::vector<MsgAnswer> msgButtonAnswers(MsgButtons buttons) {
    switch (buttons) {
        case MsgButtons::OK:
            return {MsgAnswer::OK};
        case MsgButtons::OKCancel:
            return {MsgAnswer::OK, MsgAnswer::Cancel};
        case MsgButtons::AbortRetryIgnore:
            return {MsgAnswer::Abort, MsgAnswer::Retry, MsgAnswer::Ignore};
        case MsgButtons::YesNoCancel:
            return {MsgAnswer::Yes, MsgAnswer::No, MsgAnswer::Cancel};
        case MsgButtons::YesNo:
            return {MsgAnswer::Yes, MsgAnswer::No};
        case MsgButtons::RetryCancel:
            return {MsgAnswer::Retry, MsgAnswer::Cancel};
    }
    return {MsgAnswer::OK};
}

MsgAnswer defaultAnswer(MsgButtons buttons, int defaultButton) {
    const std::vector<MsgAnswer> answers = msgButtonAnswers(buttons);
    if (defaultButton < 0 || defaultButton >= static_cast<int>(answers.size())) defaultButton = 0;
    return answers[defaultButton];
}

}  // namespace tolmo::form

#pragma once
// Driving a modal dialog of the on-screen Interaction from a test: acting once it is up, finding
// its widgets by control name.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>

#include "form/Form.h"

namespace tolmo::ui::test {

// Runs `act` on the modal dialog once it is up.
inline void whenDialogShows(std::function<void(QDialog&)> act) {
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        act(*dialog);
    });
}

template <class W = QWidget>
W* child(QDialog& dialog, const char* name) {
    return dialog.findChild<W*>(QString::fromLatin1(name));
}

inline void expectEveryControlHasAWidget(const form::Form& form, QDialog& dialog) {
    for (const form::Control* c : form.controls())
        EXPECT_NE(dialog.findChild<QWidget*>(c->name()), nullptr) << c->name().toStdString();
}

}  // namespace tolmo::ui::test

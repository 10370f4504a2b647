#pragma once
// The form of the sample view (SampleView.ui) and a fixture binding the two.

#include <gtest/gtest.h>

#include <QWidget>
#include <memory>
#include <ostream>
#include <vector>

#include "form/Form.h"
#include "ui/binder/Binder.h"
#include "ui_SampleView.h"

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace tolmo::ui::test {

using form::Control;
using form::ControlKind;
using form::EventKind;

struct SampleForm : form::Form {
    SampleForm() : Form(QStringLiteral("frmVista")) {
        for (int i = 0; i < 2; ++i)
            make<Control>(form::arrayName(QStringLiteral("txtCampo"), i), ControlKind::TextBox);
    }
    Control lblNome{this, QStringLiteral("lblNome"), ControlKind::Label};
    Control txtNome{this, QStringLiteral("txtNome"), ControlKind::TextBox};
    form::ListControl cmbStato{this, QStringLiteral("cmbStato"), ControlKind::ComboBox, 2};
    form::ListControl lstAtti{this, QStringLiteral("lstAtti"), ControlKind::ListBox, 2};
    form::CheckBox chkUrgente{this, QStringLiteral("chkUrgente")};
    form::OptionGroup optTipo{this, QStringLiteral("optTipo"), 3};
    form::TabStrip tabPagine{this, QStringLiteral("tabPagine"), 3};
    form::Grid grdParti{this, QStringLiteral("grdParti"), 2};
    Control cmdOK{this, QStringLiteral("cmdOK"), ControlKind::Button};
    Control fraDati{this, QStringLiteral("fraDati"), ControlKind::Frame};
    Control txtNote{this, QStringLiteral("txtNote"), ControlKind::TextBox};
};

class BoundView : public ::testing::Test {
protected:
    void SetUp() override { ui.setupUi(&root); }
    void bind() { binder = std::make_unique<Binder>(form, &root); }
    /// Records the events `c` fires of `kind`, as "name.Kind", with ":index" / "@row".
    void watch(Control& c, EventKind kind) {
        c.on(kind, [this, &c](form::ControlEvent& e) {
            QString entry = c.name() + QLatin1Char('.') + form::eventKindName(e.kind);
            if (e.index >= 0) entry += QLatin1Char(':') + QString::number(e.index);
            if (e.row >= 0) entry += QLatin1Char('@') + QString::number(e.row);
            events.push_back(entry);
        });
    }

    SampleForm form;
    QWidget root;
    Ui::SampleView ui;
    std::unique_ptr<Binder> binder;
    std::vector<QString> events;
};

}  // namespace tolmo::ui::test

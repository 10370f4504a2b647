#pragma once
// A small form with one control of every kind, shared by the form tests.

#include <ostream>
#include <vector>

#include "form/Form.h"

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace tolmo::form::test {

struct SampleForm : Form {
    SampleForm() : Form(QStringLiteral("frmSample")) {}

    Control lblNome{this, QStringLiteral("lblNome"), ControlKind::Label};
    Control txtNome{this, QStringLiteral("txtNome"), ControlKind::TextBox};
    ListControl cmbStato{this, QStringLiteral("cmbStato"), ControlKind::ComboBox, 2};
    CheckBox chkUrgente{this, QStringLiteral("chkUrgente")};
    OptionGroup optTipo{this, QStringLiteral("optTipo"), 3};
    TabStrip tabPagine{this, QStringLiteral("tabPagine"), 3};
    Grid grdParti{this, QStringLiteral("grdParti"), 2};
    Control cmdOK{this, QStringLiteral("cmdOK"), ControlKind::Button};
};

/// Records the events a control fires, as "Kind" or "Kind:index".
struct EventLog {
    std::vector<QString> events;
    void watch(Control& c, EventKind kind) {
        c.on(kind, [this, &c](ControlEvent& e) {
            QString entry = c.name() + QLatin1Char('.') + eventKindName(e.kind);
            if (e.index >= 0) entry += QLatin1Char(':') + QString::number(e.index);
            if (e.row >= 0) entry += QStringLiteral("@") + QString::number(e.row);
            events.push_back(entry);
        });
    }
};

}  // namespace tolmo::form::test

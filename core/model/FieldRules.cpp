#include "FieldRules.h"

namespace tolmo::core {

namespace {
constexpr int kBackspace = 8;
bool cifra(int key) { return key >= '0' && key <= '9'; }
}  // namespace

void EnableControl(form::Control& control, bool enabled) {
    control.setEnabled(enabled);
    control.setBackColor(enabled ? kSfondoFinestra : kGrigioDisabilitato);
}

// The view selects the text when the field takes the focus; the form keeps no selection.
void SelectTextControl(form::Control& control) {
    control.setSelectOnEntry(true);
    control.setFocus();
}

bool tastoImporto(int key) { return cifra(key) || key == kBackspace || key == ',' || key == '.'; }

bool tastoCifra(int key) { return cifra(key) || key == kBackspace; }

void filtraTasti(form::Control& control, bool (*accepted)(int key)) {
    control.on(form::EventKind::KeyPress, [accepted](form::ControlEvent& e) {
        if (!accepted(e.key)) e.key = 0;
    });
}

void comeImporto(form::Control& control) {
    control.setFormat(QStringLiteral("€ #,##0.00;(€ #,##0.00)"), QString());
    control.setSelectOnEntry(true);
    filtraTasti(control, tastoImporto);
}

}  // namespace tolmo::core

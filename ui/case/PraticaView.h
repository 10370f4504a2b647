#pragma once
// The case form on screen: the Designer views of the case and of its header strip,
// each bound to its headless form.

#include <QStringList>
#include <QWidget>
#include <memory>

#include "core/model/CaseHeader.h"

namespace Ui {
class PraticaForm;
class CaseHeader;
}  // namespace Ui

namespace tolmo::core {
class PraticaForm;
}

namespace tolmo::ui {

class Binder;

class PraticaView : public QWidget {
    Q_OBJECT
public:
    PraticaView(core::PraticaForm& form, core::CaseHeader::Controls& header, QWidget* parent = nullptr);
    ~PraticaView() override;

    /// Controls of the case form and of the header that found no widget to show them.
    QStringList unboundControls() const;
    /// Controls whose widget cannot show their kind (a list drawn as a line edit...).
    QStringList mismatchedControls() const;
    /// The widget that shows a control of the case form or of the header, nullptr when none.
    QWidget* widgetFor(const QString& controlName) const;

private:
    std::unique_ptr<Ui::PraticaForm> m_ui;
    std::unique_ptr<Ui::CaseHeader> m_headerUi;
    std::unique_ptr<Binder> m_binder;
    std::unique_ptr<Binder> m_headerBinder;
};

}  // namespace tolmo::ui

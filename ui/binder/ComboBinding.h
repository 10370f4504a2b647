#pragma once
// A drop-down list: QComboBox, editable or not. Multi-column rows show in a table popup;
// the edit text is the control's text. Opening the popup fires DropDown first, so a
// handler can fill the rows the popup then shows.

#include "ui/binder/Binding.h"

class QComboBox;

namespace tolmo::ui {

class ListRowsModel;

class ComboBinding : public Binding {
public:
    ComboBinding(form::ListControl& control, QComboBox* combo, EchoGuard& echo);

protected:
    void show(form::Prop prop) override;
    void listen() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool opensPopup(QEvent* event) const;
    void fitPopup();
    void showFromStart();
    form::ListControl& m_list;
    QComboBox* m_combo;
    ListRowsModel* m_model;
};

}  // namespace tolmo::ui

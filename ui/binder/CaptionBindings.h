#pragma once
// Widgets that show a caption: labels, buttons, check boxes, frames and option groups.

#include <QStringList>

#include "ui/binder/Binding.h"

class QAbstractButton;
class QButtonGroup;

namespace tolmo::ui {

/// QLabel, QAbstractButton or QGroupBox. A label shows whichever of caption and text the
/// behaviour set last (a caption, when bound, unless only a text is there).
class CaptionBinding : public Binding {
public:
    using Binding::Binding;

protected:
    void adopt() override;
    void show(form::Prop prop) override;

private:
    QString widgetCaption() const;
    void showCaption(const QString& caption);
    bool m_labelShowsText = false;
};

/// A command button: clicked -> Click.
class ButtonBinding : public CaptionBinding {
public:
    using CaptionBinding::CaptionBinding;

protected:
    void listen() override;
};

/// A check box: the person's tick -> setChecked (which fires Click).
class CheckBinding : public CaptionBinding {
public:
    using CaptionBinding::CaptionBinding;

protected:
    void show(form::Prop prop) override;
    void listen() override;

private:
    QAbstractButton* button() const;
};

/// A container named NAME holding option buttons NAME_0, NAME_1, ...
class OptionBinding : public CaptionBinding {
public:
    /// Lists in `missing` the option buttons the container lacks.
    OptionBinding(form::OptionGroup& control, QWidget* container, EchoGuard& echo, QStringList* missing);

protected:
    void show(form::Prop prop) override;
    void listen() override;
    QList<QWidget*> inputWidgets() const override;
    QWidget* focusTarget() const override;
    bool showLocked(bool locked) override;

private:
    form::OptionGroup& m_options;
    QButtonGroup* m_group;
};

}  // namespace tolmo::ui

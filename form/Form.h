#pragma once
// A headless form: a registry of named controls and a caption.

#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

#include "Control.h"

namespace tolmo::form {

class Form {
public:
    explicit Form(QString name);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const QString& name() const { return m_name; }
    QString caption() const { return m_caption; }
    void setCaption(const QString& c) { m_caption = c; }

    /// Controls register themselves on construction; array elements as "txtCampo(3)".
    /// Throws std::logic_error for an empty or duplicate name.
    void add(Control* control);
    /// Controls unregister on destruction.
    void remove(Control* control);
    Control* find(const QString& name) const;
    /// The control `name` as a `T`; throws std::logic_error when there is none of that kind.
    template <class T = Control>
    T& control(const QString& name) const {
        auto* c = dynamic_cast<T*>(find(name));
        if (!c)
            throw std::logic_error("no control " + name.toStdString() + " of that kind in " +
                                   m_name.toStdString());
        return *c;
    }
    /// All controls, in the order they registered.
    const std::vector<Control*>& controls() const { return m_order; }

    /// Controls owned by the form itself (arrays, controls created at run time).
    template <class T, class... Args>
    T& make(Args&&... args) {
        auto p = std::make_unique<T>(this, std::forward<Args>(args)...);
        T& ref = *p;
        m_owned.push_back(std::move(p));
        return ref;
    }

    /// A modal form is closed by its own behaviour (OK, Cancel); views then hide it.
    bool isShown() const { return m_shown; }
    void setShown(bool shown);
    /// Called whenever the shown state changes (views close their window on false).
    std::function<void(bool)> onShownChanged;

    /// The control that has the keyboard focus, as the view last reported it.
    Control* focus() const { return m_focus; }
    void setFocusControl(Control* c);

private:
    QString m_name;
    QString m_caption;
    QHash<QString, Control*> m_byName;
    std::vector<Control*> m_order;
    std::vector<std::unique_ptr<Control>> m_owned;
    bool m_shown = false;
    Control* m_focus = nullptr;
};

/// Name of element `index` of a control array: "txtCampo(3)".
QString arrayName(const QString& base, int index);

}  // namespace tolmo::form

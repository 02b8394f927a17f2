#pragma once

#include <QObject>

#include <functional>

namespace kazuyomi {

// Runs an event handler. A std::exception it throws ends the handler and is reported by the
// application; it never unwinds into Qt, and the event loop goes on.
void dispatch(const std::function<void()>& handler) noexcept;

// Connects a control's signal to a form's handler, which gets the control as its sender.
template <class Control, class Signal, class Form>
QMetaObject::Connection connectHandler(Control* control, Signal signal, Form* form,
                                       void (Form::*handler)(QObject* sender))
{
    return QObject::connect(control, signal, form, [control, form, handler] {
        dispatch([&] { (form->*handler)(control); });
    });
}

}  // namespace kazuyomi

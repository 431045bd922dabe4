#pragma once

// Dialogs give their controls the component names of the designs (EditFolder, OKBtn ...), so
// tests and the settings code find them by name.

namespace commands {

template <typename Widget> Widget* Named(Widget* widget, const char* name) {
    widget->setObjectName(name);
    return widget;
}

} // namespace commands

#pragma once

#include <QtCore/qnamespace.h>
#include <memory>

// A window's Designer form, built into the window the first time it is needed, not
// with the window: a window made and never shown costs no widgets (the sign-in
// window no browser engine). The first load() runs setupUi on the window, then the
// window's windowDidLoad; later calls do nothing. Before that the outlets do not
// exist, so accessors test the form first. Header-only and widget-free, so that the
// sign-in library, which links nothing of the app, uses it as the other windows do.
// The form type must be complete where it is loaded, used and destroyed: the
// window's .cpp, which defines the window's destructor.
template <typename Form> class WindowForm
{
public:
    template <typename Window> void load(Window *window, void (Window::*windowDidLoad)())
    {
        if (m_Form)
            return;
        // In place before windowDidLoad, so that a load from inside it is a no-op.
        m_Form = std::make_unique<Form>();
        m_Form->setupUi(window);
        (window->*windowDidLoad)();
    }

    explicit operator bool() const { return m_Form != nullptr; }
    Form *operator->() const { return m_Form.get(); }

private:
    std::unique_ptr<Form> m_Form;
};

// Runs a dialog modally to its own window only, not to the whole app: the tray
// menu stays usable meanwhile, so that Quit works while the window is open.
template <typename Dialog> int ExecWindowModal(Dialog &dialog)
{
    dialog.setWindowModality(Qt::WindowModal);
    return dialog.exec();
}

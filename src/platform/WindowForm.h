#pragma once

#include <QtCore/qnamespace.h>
#include <memory>

// A window's Designer form, built into the window the first time it is needed
// rather than with the window: a window made and never shown costs no widgets (and
// the sign-in window no browser engine). The first load() runs the form's setupUi
// on the window and then the window's own windowDidLoad, once; later calls do
// nothing. Until then the form's outlets do not exist: accessors that may run
// before ask the form first (`return m_Ui ? m_Ui->label : nullptr;`).
//
//     void MWinAbout::loadWindow() { m_Ui.load(this, &MWinAbout::windowDidLoad); }
//
// Header-only and free of widgets, so that the sign-in library, which links nothing
// of the app, can use it as the app's windows do. The form must be a complete type
// wherever a window's form is loaded, used or destroyed: in the window's .cpp,
// which also defines the window's destructor.
template <typename Form> class WindowForm
{
public:
    template <typename Window> void load(Window *window, void (Window::*windowDidLoad)())
    {
        if (m_Form)
            return;
        // Set before windowDidLoad runs, so that whatever it calls may load again
        // and find the form there.
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

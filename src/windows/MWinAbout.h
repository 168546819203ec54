#pragma once

#include "platform/WindowForm.h"

#include <QDialog>
#include <QUrl>

class QLabel;

namespace Ui {
class MWinAbout;
}

// The About window: the version, and buttons that open the project's web site,
// start a mail to support and open the help page. Modal; made per command and
// dropped afterwards.
class MWinAbout : public QDialog
{
    Q_OBJECT

public:
    // Where the buttons lead. A button whose address is empty is not shown: it
    // would lead nowhere.
    struct Addresses
    {
        QUrl website;
        QUrl support;
        QUrl help;
    };
    // The addresses this build was given (PINLARK_WEBSITE_URL, PINLARK_SUPPORT_URL)
    // and the help page installed with the app.
    static Addresses BuildAddresses();

    explicit MWinAbout(Addresses addresses = BuildAddresses(), QWidget *parent = nullptr);
    ~MWinAbout() override;

    // Loads the window (first call only) and runs it modally until it is closed.
    int showWindow();
    // Builds the window and fills the version label, once; showWindow calls it.
    void loadWindow();

    QLabel *tfVersion() const;

    // Each opens its address with the system's handler; the window stays open.
    void buttonLabelWebsiteClick();
    void buttonLabelSupportClick();
    void buttonLabelHelpClick();

private:
    void windowDidLoad();

    Addresses m_Addresses;
    WindowForm<Ui::MWinAbout> m_Ui;
};

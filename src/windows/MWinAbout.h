#pragma once

#include <QDialog>
#include <memory>

class QLabel;

namespace Ui {
class MWinAbout;
}

// The About window: the version, and two buttons that open the project's web site
// and start a mail to support. Modal; made per command and dropped afterwards.
class MWinAbout : public QDialog
{
    Q_OBJECT

public:
    static inline const QString kWebsiteAddress = QStringLiteral("https://pinlark.example.org");
    static inline const QString kSupportAddress =
        QStringLiteral("mailto:support@pinlark.example.org");

    explicit MWinAbout(QWidget *parent = nullptr);
    ~MWinAbout() override;

    // Loads the window (first call only) and runs it modally until it is closed.
    int showWindow();
    // Builds the window and fills the version label, once; showWindow calls it.
    void loadWindow();

    QLabel *tfVersion() const;

    // Each opens its address with the system's handler; the window stays open.
    void buttonLabelWebsiteClick();
    void buttonLabelSupportClick();

private:
    void windowDidLoad();

    std::unique_ptr<Ui::MWinAbout> m_Ui;
};

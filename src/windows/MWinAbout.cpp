#include "windows/MWinAbout.h"

#include "ui_MWinAbout.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QUrl>

MWinAbout::MWinAbout(QWidget *parent) : QDialog(parent) {}

MWinAbout::~MWinAbout() = default;

int MWinAbout::showWindow()
{
    loadWindow();
    // Modal to its own window only, not to the whole app: the tray menu stays
    // usable meanwhile, so that Quit works while this window is open.
    setWindowModality(Qt::WindowModal);
    return exec();
}

void MWinAbout::loadWindow()
{
    if (m_Ui)
        return;
    m_Ui = std::make_unique<Ui::MWinAbout>();
    m_Ui->setupUi(this);
    windowDidLoad();
}

QLabel *MWinAbout::tfVersion() const
{
    return m_Ui ? m_Ui->tfVersion : nullptr;
}

void MWinAbout::windowDidLoad()
{
    connect(m_Ui->buttonLabelWebsite, &QAbstractButton::clicked, this,
            &MWinAbout::buttonLabelWebsiteClick);
    connect(m_Ui->buttonLabelSupport, &QAbstractButton::clicked, this,
            &MWinAbout::buttonLabelSupportClick);

    //% "Version"
    const QString label = qtTrId("strVersion");
    m_Ui->tfVersion->setText(label + u' ' + QCoreApplication::applicationVersion());
}

void MWinAbout::buttonLabelWebsiteClick()
{
    QDesktopServices::openUrl(QUrl(kWebsiteAddress));
}

void MWinAbout::buttonLabelSupportClick()
{
    QDesktopServices::openUrl(QUrl(kSupportAddress));
}

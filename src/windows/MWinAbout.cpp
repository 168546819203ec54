#include "windows/MWinAbout.h"

#include "ui_MWinAbout.h"
#include "windows/HelpPage.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QUrl>

MWinAbout::Addresses MWinAbout::BuildAddresses()
{
    return {QUrl(QStringLiteral(PINLARK_WEBSITE_URL)), QUrl(QStringLiteral(PINLARK_SUPPORT_URL)),
            HelpPageUrl()};
}

MWinAbout::MWinAbout(Addresses addresses, QWidget *parent)
    : QDialog(parent), m_Addresses(std::move(addresses))
{}

MWinAbout::~MWinAbout() = default;

int MWinAbout::showWindow()
{
    loadWindow();
    return ExecWindowModal(*this);
}

void MWinAbout::loadWindow()
{
    m_Ui.load(this, &MWinAbout::windowDidLoad);
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
    connect(m_Ui->buttonLabelHelp, &QAbstractButton::clicked, this,
            &MWinAbout::buttonLabelHelpClick);
    m_Ui->buttonLabelWebsite->setVisible(!m_Addresses.website.isEmpty());
    m_Ui->buttonLabelSupport->setVisible(!m_Addresses.support.isEmpty());
    m_Ui->buttonLabelHelp->setVisible(!m_Addresses.help.isEmpty());

    //% "Version"
    const QString label = qtTrId("strVersion");
    m_Ui->tfVersion->setText(label + u' ' + QCoreApplication::applicationVersion());
}

void MWinAbout::buttonLabelWebsiteClick()
{
    QDesktopServices::openUrl(m_Addresses.website);
}

void MWinAbout::buttonLabelSupportClick()
{
    QDesktopServices::openUrl(m_Addresses.support);
}

void MWinAbout::buttonLabelHelpClick()
{
    QDesktopServices::openUrl(m_Addresses.help);
}

// The board's first steps: a client id for a copy of Pinlark built without one, the
// sign-in that follows it, and the board page created for a user who has none.

#include "app/AnswerTexts.h"
#include "app/AppDelegate.h"
#include "board/EmptyBoard.h"
#include "core/MGlobals.h"
#include "core/MProblems.h"
#include "core/Preferences.h"
#include "sync/StarterPage.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace {

// Where an application is registered with the Microsoft identity platform.
const char kRegistrationPage[] =
    "https://entra.microsoft.com/#view/Microsoft_AAD_RegisteredApps/ApplicationsListBlade";

} // namespace

void AppDelegate::useClientId(const QString &clientId)
{
    // Kept as Preferences keeps it, and taken up as an edited settings file is.
    if (Preferences::SaveClientId(clientId))
        serviceSettingsChanged();
}

void AppDelegate::takeUpClientId()
{
    const bool had = m_HasClientId;
    m_HasClientId = MGlobals::HasClientId();
    m_SettingsTimeWithoutId = QDateTime();
    updateEmptyBoard();
    // After the event that brought it: the sign-in window runs its own loop.
    if (!had && m_HasClientId && !MGlobals::HasSignIn())
        QMetaObject::invokeMethod(this, &AppDelegate::MenuItemLoginClick, Qt::QueuedConnection);
}

void AppDelegate::watchSettingsForClientId()
{
    if (m_HasClientId)
        return;
    const QDateTime changed = QFileInfo(g_ConfigFilePath.load()).lastModified();
    if (!m_SettingsTimeWithoutId.isValid()) {
        m_SettingsTimeWithoutId = changed.isValid() ? changed : QDateTime::fromMSecsSinceEpoch(0);
        return;
    }
    if (changed.isValid() && changed != m_SettingsTimeWithoutId) {
        m_SettingsTimeWithoutId = changed;
        serviceSettingsChanged();
    }
}

void AppDelegate::createPage()
{
    // One request at a time; the worker looks the page up again before it sends one.
    if (!MGlobals::SignedIn() || !g_PinlarkPageCreateHtml.load().isEmpty())
        return;
    MProblems::Clear(MProblem::PageNotCreated);
    g_PinlarkPageCreateHtml.store(StarterPage::Html());
    updateEmptyBoard();
}

void AppDelegate::takePageCreateFailure()
{
    if (const std::optional<PageCreateFailure> failure =
            g_PinlarkPageCreateFailure.exchange(std::nullopt))
        MProblems::RaiseSaying(MProblem::PageNotCreated, AnswerTexts::PageCreateFailure(*failure));
    // Found or made since: nothing more to tell.
    if (MProblems::Has(MProblem::PageNotCreated) && !g_PinlarkPageId.load().isEmpty())
        MProblems::Clear(MProblem::PageNotCreated);
}

void AppDelegate::tellSignInFailure(const SignInResult &result)
{
    const QString text = AnswerTexts::SignInFailure(result, g_RedirectAddress.load());
    MProblems::RaiseSaying(MProblem::SignInFailed, text);
    // Told here, at once, rather than at the next tick, and not again by it.
    const auto bit = static_cast<unsigned>(MProblem::SignInFailed);
    m_ToldProblems |= bit;
    m_ProblemToldAt.insert(bit, QDateTime::currentMSecsSinceEpoch());
    tell(text, true);
    updateEmptyBoard();
    // The board says it too, with the button to try again.
    if (!m_Terminating)
        MenuItemPinlarkClick();
}

void AppDelegate::setUpEmptyBoard()
{
    connect(m_EmptyBoard, &EmptyBoard::createPageRequested, this, &AppDelegate::createPage);
    connect(m_EmptyBoard, &EmptyBoard::clientIdEntered, this, &AppDelegate::useClientId);
    connect(m_EmptyBoard, &EmptyBoard::openRegistrationRequested, this,
            [] { QDesktopServices::openUrl(QUrl(QString::fromLatin1(kRegistrationPage))); });
}

#include "app/SetupController.h"

#include "app/AnswerTexts.h"
#include "app/ProblemNotifier.h"
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

SetupController::SetupController(ProblemNotifier *problems, QObject *parent)
    : QObject(parent), m_Problems(problems)
{}

void SetupController::setEmptyBoard(EmptyBoard *board)
{
    m_EmptyBoard = board;
    connect(board, &EmptyBoard::openWebRequested, this, [] {
        QDesktopServices::openUrl(QUrl(QStringLiteral("https://www.onenote.com/notebooks")));
    });
    connect(board, &EmptyBoard::createPageRequested, this, &SetupController::createPage);
    connect(board, &EmptyBoard::clientIdEntered, this, &SetupController::useClientId);
    connect(board, &EmptyBoard::openRegistrationRequested, this,
            [] { QDesktopServices::openUrl(QUrl(QString::fromLatin1(kRegistrationPage))); });
}

void SetupController::describeEmptyBoard(bool hasItems, bool pageLoaded)
{
    m_EmptyBoard->setKind(EmptyBoard::KindFor(
        hasItems, MGlobals::HasClientId(), MGlobals::HasSignIn(), g_PinlarkPageMissing.load(),
        !g_PinlarkPageCreateHtml.load().isEmpty(), pageLoaded));
    m_EmptyBoard->setRedirectAddress(g_RedirectAddress.load());
    // What went wrong last, where the next step is offered.
    QString problem;
    switch (m_EmptyBoard->kind()) {
    case EmptyBoard::Kind::NotSignedIn:
        if (MProblems::Has(MProblem::SignInFailed))
            problem = MProblems::Text(MProblem::SignInFailed);
        break;
    case EmptyBoard::Kind::NoPage:
        if (MProblems::Has(MProblem::PageNotCreated))
            problem = MProblems::Text(MProblem::PageNotCreated);
        break;
    default:
        break;
    }
    m_EmptyBoard->setProblem(problem);
}

void SetupController::start()
{
    m_HasClientId = MGlobals::HasClientId();
}

void SetupController::useClientId(const QString &clientId)
{
    // Kept as Preferences keeps it, and taken up as an edited settings file is.
    if (Preferences::SaveClientId(clientId))
        serviceSettingsChanged();
}

void SetupController::takeUpClientId()
{
    const bool had = m_HasClientId;
    m_HasClientId = MGlobals::HasClientId();
    m_SettingsTimeWithoutId = QDateTime();
    emit emptyBoardChanged();
    // After the event that brought it: the sign-in window runs its own loop.
    if (!had && m_HasClientId && !MGlobals::HasSignIn())
        emit signInDue();
}

void SetupController::watchSettings()
{
    retryRejectedClient();
    watchSettingsForClientId();
}

void SetupController::watchSettingsForClientId()
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

void SetupController::createPage()
{
    // One request at a time; the worker looks the page up again before it sends one.
    if (!MGlobals::SignedIn() || !g_PinlarkPageCreateHtml.load().isEmpty())
        return;
    MProblems::Clear(MProblem::PageNotCreated);
    g_PinlarkPageCreateHtml.store(StarterPage::Html());
    emit emptyBoardChanged();
}

void SetupController::takePageCreateFailure()
{
    if (const std::optional<PageCreateFailure> failure =
            g_PinlarkPageCreateFailure.exchange(std::nullopt))
        MProblems::RaiseSaying(MProblem::PageNotCreated, AnswerTexts::PageCreateFailure(*failure));
    // Found or made since: nothing more to tell.
    if (MProblems::Has(MProblem::PageNotCreated) && !g_PinlarkPageId.load().isEmpty())
        MProblems::Clear(MProblem::PageNotCreated);
}

void SetupController::retryRejectedClient()
{
    // A rejected client id is not tried again until the user has had a chance to
    // correct it: the worker waits until the settings file changes.
    // A refused service address likewise waits for the file to be corrected.
    if (!MProblems::Has(MProblem::ClientRejected) &&
        !MProblems::Has(MProblem::ServiceAddressRefused)) {
        m_RejectedSettingsTime = QDateTime();
        return;
    }
    const QDateTime changed = QFileInfo(g_ConfigFilePath.load()).lastModified();
    if (!m_RejectedSettingsTime.isValid()) {
        m_RejectedSettingsTime = changed.isValid() ? changed : QDateTime::fromMSecsSinceEpoch(0);
        return;
    }
    if (changed.isValid() && changed != m_RejectedSettingsTime)
        serviceSettingsChanged();
}

void SetupController::serviceSettingsChanged()
{
    MGlobals::LoadServiceSettings();
    MProblems::Clear(MProblem::ClientRejected);
    m_RejectedSettingsTime = QDateTime();
    takeUpClientId();
    if (m_Problems->tellTokensDropped())
        emit signInDue();
}

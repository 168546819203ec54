#pragma once

#include "app/SnippetOutboxKeeper.h"
#include "signin/SignInState.h"

#include <QString>
#include <functional>

// What the shell starts but does not own the workings of; tests leave them out.
struct ShellServices
{
    std::function<void()> startWorker;
    std::function<void()> stopWorker;
    // Runs the sign-in window modally; `logInOrOut` non-zero signs out first.
    std::function<SignInResult(int logInOrOut)> runSignIn;
    std::function<void()> showStateWindow;
    std::function<void()> showAboutWindow;
    std::function<void()> openHelp;
    // True when the clipboard held a link and now holds its text and address.
    std::function<bool()> convertClipboardLink;
    // Tells the user of a problem; the tray's notification when left out.
    std::function<void(const QString &title, const QString &text)> notify;
    // Brings the tokens from where they are kept and then runs `ready`, maybe
    // later on the event loop; left out, the settings file's are used at once.
    std::function<void(std::function<void()> ready)> loadTokens;
    // Puts the latest tokens where they are kept, before the app ends.
    std::function<void()> flushTokens;
    // Asks what to do with `waiting` snippets before a sign-out; a question box
    // when left out.
    std::function<SnippetOutboxKeeper::WaitingSnippetsChoice(qsizetype waiting)>
        askAboutWaitingSnippets;
};

#pragma once

#include <QString>

// How the worker's request to create the board page failed, left for the main thread
// to tell in words of the user's language.
struct PageCreateFailure
{
    // The service's HTTP status; 0 when no answer came (offline, or the answer was
    // lost on the way, so the page may exist after all).
    int status = 0;
    // The service's own message, when its answer held one.
    QString message;

    bool operator==(const PageCreateFailure &) const = default;
};

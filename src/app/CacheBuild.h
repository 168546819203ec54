#pragma once

#include "app/AppDelegate.h"
#include "board/BoardBuilder.h"

#include <QString>

// The cached page being turned into the board in slices at start; the page text
// is held only until the board is whole.
struct AppDelegate::CacheBuild
{
    QString page;
    qsizetype read = 0;
    BoardBuilder builder;
};

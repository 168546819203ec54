#pragma once

#include <QUrl>

// The help page that ships with the app, as a local file so that it opens offline:
// help/index.html beside the executable (the build tree, a relocated bundle), else
// the installed copy. An empty URL when neither exists.
QUrl HelpPageUrl();

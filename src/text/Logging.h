#pragma once

#include <QLoggingCategory>

// Pinlark's log categories. Each is quiet below warnings unless QT_LOGGING_RULES
// turns it on, e.g. QT_LOGGING_RULES="pinlark.*.debug=true" or "pinlark.board.info=true".
// No sign-in secret (token, authorization code) is ever written to them: logs end up
// pasted into bug reports.
Q_DECLARE_LOGGING_CATEGORY(lcApp)    // pinlark.app: start-up, shut-down, menu commands
Q_DECLARE_LOGGING_CATEGORY(lcBoard)  // pinlark.board: page-to-board rebuilds
Q_DECLARE_LOGGING_CATEGORY(lcSync)   // pinlark.sync: the worker's requests and answers
Q_DECLARE_LOGGING_CATEGORY(lcSignIn) // pinlark.signin: the sign-in window and its library

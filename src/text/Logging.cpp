#include "text/Logging.h"

// A user starting the app from a terminal sees warnings only.
Q_LOGGING_CATEGORY(lcApp, "pinlark.app", QtWarningMsg)
Q_LOGGING_CATEGORY(lcBoard, "pinlark.board", QtWarningMsg)
Q_LOGGING_CATEGORY(lcSync, "pinlark.sync", QtWarningMsg)
Q_LOGGING_CATEGORY(lcSignIn, "pinlark.signin", QtWarningMsg)

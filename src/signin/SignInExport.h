#pragma once

#include <QtGlobal>

// The sign-in library builds with hidden symbols; only what carries this mark is
// seen by the app (the entry point) and by tests that link the library directly.
#if defined(PINLARK_SIGNIN_LIBRARY)
#define PINLARK_SIGNIN_EXPORT Q_DECL_EXPORT
#else
#define PINLARK_SIGNIN_EXPORT Q_DECL_IMPORT
#endif

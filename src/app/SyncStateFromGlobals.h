#pragma once

#include "sync/SyncState.h"

// The sync worker's state in the app: the MGlobals variables the main thread reads
// and writes, MGlobals::SaveConfig and StoreForSignIn, and the process's problems.
SyncState SyncStateFromGlobals();

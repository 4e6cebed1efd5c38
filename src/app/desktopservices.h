#pragma once

// The desktop's real file dialogs and file browser, which the queue falls back on when it is
// given none.
#include "app/desktopfilerevealer.h"
#include "app/dialogfilepicker.h"

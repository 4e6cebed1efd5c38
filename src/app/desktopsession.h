#pragma once

// The shell still includes the desktop session by this name; the class lives in its own file.
#include "app/batchsession.h"

// Helpers for the black-box tests, by concern: processes and windows,
// the screen, input, dialogs, and the service under test.
#pragma once

#include "E2eDialogs.h"
#include "E2eInput.h"
#include "E2eProcesses.h"
#include "E2eProgram.h"
#include "E2eScreen.h"

// The process-wide state, zeroed or defaulted until start-up fills it.
#include "tree/state.h"

Ui g_ui;
Paths g_paths;
Settings g_set;

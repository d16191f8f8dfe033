// Kept for the tests that include it by this name.
#pragma once
#include "tests/support/seeded_random.h"

// The program's version: the version resource, the version box and the release name read it
// (res/larkit.manifest repeats it as 0.1.0.0).
#pragma once

#define LARKIT_VERSION_MAJOR    0
#define LARKIT_VERSION_MINOR    1
#define LARKIT_VERSION_TEXT     "ver0.1"

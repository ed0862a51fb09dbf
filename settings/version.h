// The program's version texts: the settings screen shows them and every
// game report carries the build's.
#pragma once

inline const char* const ver = "1.0";
inline const char* const buildVer = "1.0_R02";

// The whole program as `main` runs it: into the resource tree, up, a
// session (or one unattended game), and down again.
#pragma once

// The exit code: 0, or 1 when the video, timer or TrueType library failed.
int zelkMain(int argc, char** argv);

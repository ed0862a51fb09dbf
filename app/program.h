// The whole program as `main` runs it: into the resource tree, up, a
// session (or one unattended game, or first a record gone over), and down
// again.
#pragma once

// The exit code: 0, 1 when the video, timer or TrueType library failed, 2
// when the record `--review FILE [N]` names is refused (the reason on
// standard error).
int zelkMain(int argc, char** argv);

// Where the game finds its resources, and with them where it keeps the
// user's files. Installed (the binary in <prefix>/bin, the resources in
// <prefix>/share/zelk) it works in its installed tree and keeps the user's
// files in the user's own directories; otherwise it works in its working
// directory when the resources are there, or else in the source tree's
// data/, and keeps the user's files beside them.
#pragma once

#include <string>

// The installed resource tree that goes with the binary `executable`, or an
// empty text when there is none beside it.
std::string installedTreeBeside(const std::string& executable);

// Enters the resource tree the running binary should use and says where the
// user's files go; called first thing at start-up.
void enterResourceTree();

// How an installed binary finds its resource tree: beside its bin directory,
// wherever the prefix is.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/resourcetree.h"
#include "support/testenv.h"

namespace fs = std::filesystem;

TEST(ResourceTree, AnInstalledBinaryFindsTheTreeBesideItsBinDirectory) {
    const std::string prefix = enterScratchDirectory() + "/prefix";
    fs::create_directories(prefix + "/bin");
    EXPECT_EQ(installedTreeBeside(prefix + "/bin/zelk"), "") << "no tree installed yet";
    fs::create_directories(prefix + "/share/zelk");
    const std::string tree = installedTreeBeside(prefix + "/bin/zelk");
    ASSERT_NE(tree, "");
    EXPECT_TRUE(fs::equivalent(tree, prefix + "/share/zelk"));
    EXPECT_EQ(installedTreeBeside("zelk"), "") << "a bare name has no place";
}

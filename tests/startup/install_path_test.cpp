#include "startup/InstallPath.h"

#include <gtest/gtest.h>

namespace {

TEST(InstallPathTest, ShareFolderBesideTheProgramsBinFolder) {
    EXPECT_EQ(InstallPath("/usr/bin", std::nullopt), "/usr/share/glintfall/");
    EXPECT_EQ(InstallPath("/work/main/build/bin/", std::nullopt),
              "/work/main/build/share/glintfall/");
    EXPECT_EQ(InstallPath("/opt/x/../y/bin", std::nullopt), "/opt/y/share/glintfall/");
}

TEST(InstallPathTest, EnvironmentOverridesAndAlwaysEndsInASeparator) {
    EXPECT_EQ(InstallPath("/usr/bin", std::string("/srv/glint")), "/srv/glint/");
    EXPECT_EQ(InstallPath("/usr/bin", std::string("/srv/glint/")), "/srv/glint/");
    EXPECT_EQ(InstallPath("/usr/bin", std::string("relative")), "relative/");
}

TEST(InstallPathTest, EmptyEnvironmentValueCountsAsUnset) {
    EXPECT_EQ(InstallPath("/usr/local/bin", std::string()), "/usr/local/share/glintfall/");
}

}  // namespace

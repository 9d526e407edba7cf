#include "TestSupport.h"

#include <gtest/gtest.h>
#include <regex>

using namespace tarnix;

TEST(CliVersion, PrintsTheProjectVersion)
{
    auto r = test::RunCli({"--version"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(std::regex_match(r.out, std::regex("tarnix-cli [0-9]+\\.[0-9]+\\.[0-9]+\n"))) << r.out;
    EXPECT_EQ(r.err, "");
}

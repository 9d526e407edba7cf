// The browser fallback for links: its command line everywhere, starting it on Windows.

#include "platform/BrowserCommand.h"

#include <gtest/gtest.h>

using namespace tarnix;

TEST(BrowserCommand, CutAtTheQuotedPlaceholderElseTheBareOneElseKeptWhole)
{
    const std::string url = "https://example.org/a b";
    EXPECT_EQ(FallbackCommandLine("\"C:\\Browser\\b.exe\" -osint -url \"%1\"", url),
              "\"C:\\Browser\\b.exe\" -osint -url  https://example.org/a b");
    EXPECT_EQ(FallbackCommandLine("C:\\Browser\\b.exe %1 -new", url),
              "C:\\Browser\\b.exe  https://example.org/a b");
    // The quoted placeholder wins over an earlier bare one.
    EXPECT_EQ(FallbackCommandLine("b.exe %1x \"%1\"", url), "b.exe %1x  https://example.org/a b");
    EXPECT_EQ(FallbackCommandLine("b.exe", url), "b.exe https://example.org/a b");
    EXPECT_EQ(FallbackCommandLine("", url), " https://example.org/a b");
    // No fixed buffer: a long command keeps all of itself and of the address.
    const std::string longUrl = "https://example.org/" + std::string(600, 'x');
    EXPECT_EQ(FallbackCommandLine(std::string(300, 'b') + " \"%1\"", longUrl).size(), 301 + 1 + longUrl.size());
}

#ifdef _WIN32
TEST(BrowserCommand, StartsACommandLineWithoutWaitingAndAnswersInWinExecCodes)
{
    EXPECT_GT(StartCommandLine("cmd.exe /c exit 3"), 31);
    const int missing = StartCommandLine("\"C:\\no such folder\\no-browser.exe\" https://example.org");
    EXPECT_TRUE(missing == 2 || missing == 3) << missing;
}
#else
TEST(BrowserCommand, OffWindowsThereIsNoRegisteredBrowser)
{
    EXPECT_FALSE(HtmBrowserCommand());
    EXPECT_EQ(OpenWithHtmBrowser("https://example.org"), -1);
}
#endif

#include "platform/BrowserCommand.h"

#include "platform/WindowsRegistry.h"

#ifdef _WIN32
#include "archive/FileIO.h"

#include <vector>
#include <windows.h>
#endif

namespace tarnix
{

std::string FallbackCommandLine(const std::string& browserCommand, const std::string& url)
{
    std::string command = browserCommand;
    std::size_t cut = command.find("\"%1\"");
    if (cut == std::string::npos)
    {
        cut = command.find("%1");
    }
    if (cut != std::string::npos)
    {
        command.erase(cut);
    }
    // No fixed buffer: a long command or address is passed whole rather than cut short.
    return command + ' ' + url;
}

std::optional<std::string> HtmBrowserCommand()
{
    const std::optional<std::string> documentType = ReadRegistryString(RegistryRoot::ClassesRoot, ".htm", "");
    if (!documentType || documentType->empty())
    {
        return std::nullopt;
    }
    std::optional<std::string> command =
        ReadRegistryString(RegistryRoot::ClassesRoot, *documentType + "\\shell\\open\\command", "");
    if (!command || command->empty())
    {
        return std::nullopt;
    }
    return command;
}

int StartCommandLine(const std::string& commandLine)
{
#ifdef _WIN32
    // CreateProcessW parses the program from the command line as WinExec does (a quoted first token, else
    // up to the first space) and may write into the buffer, so it gets a copy of its own.
    std::wstring wide = PathFromText(commandLine).wstring();
    std::vector<wchar_t> buffer(wide.begin(), wide.end());
    buffer.push_back(L'\0');
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOW;
    PROCESS_INFORMATION process{};
    if (CreateProcessW(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        return 33;
    }
    switch (GetLastError())
    {
    case ERROR_FILE_NOT_FOUND:
        return 2;
    case ERROR_PATH_NOT_FOUND:
        return 3;
    case ERROR_BAD_EXE_FORMAT:
        return 11;
    default:
        return 0;
    }
#else
    (void)commandLine;
    return 2;
#endif
}

int OpenWithHtmBrowser(const std::string& url)
{
    const std::optional<std::string> command = HtmBrowserCommand();
    if (!command)
    {
        return -1;
    }
    return StartCommandLine(FallbackCommandLine(*command, url));
}

} // namespace tarnix

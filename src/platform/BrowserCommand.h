#pragma once

// The fallback for opening a web address when the shell's open service fails: the browser Windows has
// registered for ".htm" pages, started with the address. The window code keeps only the shell call and
// the message; what is here needs no GUI.

#include <optional>
#include <string>

namespace tarnix
{

// The browser's command line: the registered command cut at the quoted placeholder "\"%1\"" or else at
// the bare %1 (a command without one is kept whole), then one space and the address, unquoted.
std::string FallbackCommandLine(const std::string& browserCommand, const std::string& url);

// The open command registered for web pages: the default value of HKEY_CLASSES_ROOT\.htm names the
// document type, whose "shell\open\command" default value is the command. Nullopt when either cannot be
// read or is empty, and always off Windows.
std::optional<std::string> HtmBrowserCommand();

// Starts `commandLine` (UTF-8) without waiting for it, as WinExec did, and answers in WinExec's codes:
// above 31 on success, else 0 (out of resources), 2 (file not found), 3 (path not found) or 11 (not a
// valid program). Off Windows there is no such service: 2.
int StartCommandLine(const std::string& commandLine);

// The whole fallback: -1 when no browser is registered for ".htm" (the shell's own code then stands),
// else what starting the browser's command line with the address gave.
int OpenWithHtmBrowser(const std::string& url);

} // namespace tarnix

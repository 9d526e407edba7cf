#include "cli/CliSupport.h"

#include <iostream>

#ifdef _WIN32
#include "archive/FileIO.h"

#include <string>
#include <vector>
#include <windows.h>

// Windows hands narrow main() its arguments in the ANSI code page, which cannot hold every file name, so
// the program takes them in UTF-16 (wmain) and passes UTF-8 on, as everywhere else. Output goes out as
// UTF-8 too: the console is switched to it, and redirected output is written as the bytes the commands
// produce.
int wmain(int argc, wchar_t** wargv)
{
    std::vector<std::string> args;
    for (int i = 0; i < argc; ++i)
    {
        args.push_back(tarnix::PathText(std::filesystem::path(wargv[i])));
    }
    std::vector<char*> argv;
    for (std::string& arg : args)
    {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    SetConsoleOutputCP(CP_UTF8);
    return tarnix::cli::RunCli(argc, argv.data(), std::cout, std::cerr);
}
#else
int main(int argc, char** argv)
{
    return tarnix::cli::RunCli(argc, argv, std::cout, std::cerr);
}
#endif

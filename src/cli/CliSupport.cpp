#include "cli/CliSupport.h"

#include "archive/FileIO.h"
#include "archive/Fsh.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <sstream>

namespace tarnix::cli
{

int Fail(std::ostream& err, const std::string& message)
{
    err << "tarnix-cli: " << message << "\n";
    return kExitFailure;
}

int UsageError(std::ostream& err, const std::string& message)
{
    err << "tarnix-cli: " << message << "\n"
        << "Try 'tarnix-cli --help'.\n";
    return kExitUsage;
}

std::optional<KitColours> ParseKitColours(const std::string& text)
{
    KitColours colours{};
    std::stringstream stream(text);
    std::string item;
    int count = 0;
    while (std::getline(stream, item, ','))
    {
        if (count == kKitColourCount || item.empty() || item.size() > 2 ||
            !std::all_of(item.begin(), item.end(), [](char c) { return c >= '0' && c <= '9'; }))
        {
            return std::nullopt;
        }
        int value = std::stoi(item);
        if (value >= kNamedColourCount)
        {
            return std::nullopt;
        }
        colours[count++] = value == kNotUsedColour ? kBlackColour : value;
    }
    if (count != kKitColourCount || text.back() == ',')
    {
        return std::nullopt;
    }
    return colours;
}

KitColours TrailerKitColours(ByteView archive)
{
    JerseyColours record{};
    ReadTrailer(archive, record);
    return record[0] != 0 ? KitColoursOf(record) : kDefaultKitColours;
}

namespace
{

void PrintOverview(std::ostream& out)
{
    out << "Usage: tarnix-cli COMMAND [ARGS...]\n\n"
           "Works on FIFA99 jersey archives (FSH) from the command line.\n\nCommands:\n";
    for (const CliCommand& command : Commands())
    {
        out << "  " << command.usage << "\n      " << command.summary << "\n";
    }
    out << "\nRun 'tarnix-cli COMMAND --help' for the details of one command.\n"
           "'tarnix-cli --version' prints the version.\n"
           "Exit status: 0 success, 1 failure, 2 usage error.\n";
}

} // namespace

int RunCommand(int argc, char** argv, std::ostream& out, std::ostream& err);

int RunCli(int argc, char** argv, std::ostream& out, std::ostream& err)
{
    // The readers bound every allocation by the size of the file they read, and they read no file beyond
    // kMaxInputFileSize; should memory still run out, the user gets a message instead of an abort.
    try
    {
        return RunCommand(argc, argv, out, err);
    }
    catch (const std::bad_alloc&)
    {
        return Fail(err, "out of memory; nothing was written (close other programs and try again)");
    }
}

int RunCommand(int argc, char** argv, std::ostream& out, std::ostream& err)
{
    if (argc < 2)
    {
        return UsageError(err, "no command given");
    }
    const std::string name = argv[1];
    if (name == "--help" || name == "-h" || name == "help")
    {
        PrintOverview(out);
        return kExitOk;
    }
    if (name == "--version")
    {
        out << "tarnix-cli " << TARNIX_VERSION << "\n";
        return kExitOk;
    }
    const auto& commands = Commands();
    auto found =
        std::find_if(commands.begin(), commands.end(), [&](const CliCommand& c) { return name == c.name; });
    if (found == commands.end())
    {
        return UsageError(err, "unknown command '" + name + "'");
    }
    CliArgs args;
    for (int i = 2; i < argc; ++i)
    {
        std::string arg = argv[i];
        if (arg == "--help" || arg == "-h")
        {
            out << "Usage: tarnix-cli " << found->usage << "\n\n" << found->help << "\n";
            return kExitOk;
        }
        if (arg.rfind("--", 0) == 0 && arg.size() > 2)
        {
            std::string value;
            auto eq = arg.find('=');
            bool inlineValue = eq != std::string::npos;
            if (inlineValue)
            {
                value = arg.substr(eq + 1);
                arg = arg.substr(0, eq);
            }
            const bool flag = std::find(found->flags.begin(), found->flags.end(), arg) != found->flags.end();
            if (flag && !inlineValue)
            {
                if (!args.options.emplace(arg, std::string()).second)
                {
                    return UsageError(err, "option '" + arg + "' given twice");
                }
                continue;
            }
            if (std::find(found->valueOptions.begin(), found->valueOptions.end(), arg) ==
                found->valueOptions.end())
            {
                return UsageError(err, "unknown option '" + arg + "' for '" + name + "'");
            }
            if (!inlineValue)
            {
                if (i + 1 >= argc)
                {
                    return UsageError(err, "option '" + arg + "' needs a value");
                }
                value = argv[++i];
            }
            if (args.options.count(arg) != 0)
            {
                return UsageError(err, "option '" + arg + "' given twice");
            }
            args.options[arg] = value;
            continue;
        }
        args.positional.push_back(arg);
    }
    if (args.positional.size() != found->positionals)
    {
        return UsageError(err, std::string("usage: tarnix-cli ") + found->usage);
    }
    return found->run(args, out, err);
}

} // namespace tarnix::cli

#pragma once

// The conventions every tarnix-cli command keeps: exit 0 on success, 1 on failure with one line
// "tarnix-cli: <message>" on stderr and nothing half-written, 2 on a usage error.

#include "archive/ByteReader.h"
#include "archive/JerseyTypes.h"
#include "archive/Result.h"

#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace tarnix::cli
{

constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

struct CliArgs
{
    std::vector<std::string> positional;
    std::map<std::string, std::string> options; // "--colours" -> "1,2,3,4,5,6,7"
};

struct CliCommand
{
    const char* name;
    const char* usage;   // "info ARCHIVE [--game-folder DIR]"
    const char* summary; // one line for the overview
    const char* help;    // what --help adds below the usage line
    std::vector<std::string> valueOptions;
    std::size_t positionals;
    int (*run)(const CliArgs& args, std::ostream& out, std::ostream& err);
    std::vector<std::string> flags; // options without a value ("--nearest"), stored with an empty value
};

int Fail(std::ostream& err, const std::string& message);
int UsageError(std::ostream& err, const std::string& message);

// "a,b,c,d,e,f,g": seven kit colour indices 0-23; 23 ("Not Used") is stored as 22, as the colours page
// does. Nullopt for anything else.
std::optional<KitColours> ParseKitColours(const std::string& text);

// The colours a jersey is shown in: its trailer's colours when its record says they are present, else the
// defaults.
KitColours TrailerKitColours(ByteView archive);

// All commands of the tool, in the order of the overview.
const std::vector<CliCommand>& Commands();

int RunCli(int argc, char** argv, std::ostream& out, std::ostream& err);

} // namespace tarnix::cli

// The table of tarnix-cli's commands. Scripts depend on these names, arguments and outputs.

#include "cli/CliSupport.h"
#include "cli/JerseyCommands.h"

namespace tarnix::cli
{

const std::vector<CliCommand>& Commands()
{
    static const std::vector<CliCommand> commands = {
        {"info", "info ARCHIVE [--game-folder DIR]", "Print what the archive holds, as JSON.",
         "Prints a JSON object: path, isJersey, number (the jersey number; 0 without --game-folder),\n"
         "label, colourRecord (the 24 bytes of the colour record read from the trailer) and entries\n"
         "(name and offset of every directory record, in directory order).",
         {"--game-folder"}, 1, RunInfo},
        {"preview", "preview ARCHIVE OUT", "Write the front as the 128 x 128 preview bitmap.",
         "Writes the archive's large front as an 8-bit BMP of 17,462 bytes with the archive's own colours.", {}, 2,
         RunPreview},
        {"render", "render ARCHIVE OUT.png [--colours a,b,c,d,e,f,g] [--part front|back|long-sleeve|short-sleeve]",
         "Render a part as a user sees it, in kit colours, as PNG.",
         "Recolours the kit groups from the shade ramps of seven colour indices (0-23: jersey 1st, 2nd, 3rd,\n"
         "shorts 1st, 2nd, socks 1st, 2nd). Default colours: the archive's own when its trailer has them,\n"
         "else 1,20,13,1,6,1,6. Default part: front.",
         {"--colours", "--part"}, 2, RunRender},
    };
    return commands;
}

} // namespace tarnix::cli

// The table of tarnix-cli's commands. Scripts depend on these names, arguments and outputs.

#include "cli/CliSupport.h"
#include "cli/EditCommands.h"
#include "cli/JerseyCommands.h"
#include "cli/LocateCommand.h"
#include "cli/TeamCommands.h"

namespace tarnix::cli
{

const std::vector<CliCommand>& Commands()
{
    // clang-format off
    static const std::vector<CliCommand> commands = {
        {"info", "info ARCHIVE [--game-folder DIR]", "Print what the archive holds, as JSON.",
         "Prints a JSON object: path, isJersey, number (the jersey number; 0 without --game-folder),\n"
         "label, colourRecord (the 24 bytes of the colour record read from the trailer) and entries\n"
         "(name and offset of every directory record, in directory order).",
         {"--game-folder"}, 1, RunInfo, {}},
        {"preview", "preview ARCHIVE OUT", "Write the front as the 128 x 128 preview bitmap.",
         "Writes the archive's large front as an 8-bit BMP of 17,462 bytes with the archive's own colours.", {}, 2,
         RunPreview, {}},
        {"render", "render ARCHIVE OUT.png [--colours a,b,c,d,e,f,g] [--part front|back|long-sleeve|short-sleeve]",
         "Render a part as a user sees it, in kit colours, as PNG.",
         "Recolours the kit groups from the shade ramps of seven colour indices (0-23: jersey 1st, 2nd, 3rd,\n"
         "shorts 1st, 2nd, socks 1st, 2nd). Default colours: the archive's own when its trailer has them,\n"
         "else 1,20,13,1,6,1,6. Default part: front.",
         {"--colours", "--part"}, 2, RunRender, {}},
        {"export", "export ARCHIVE DIR [--pictures [--colours a,b,c,d,e,f,g]]",
         "Write the eight part bitmaps (or four pictures) for a bitmap editor.",
         "Writes front-design.bmp, back-design.bmp, long-sleeve-design.bmp, short-sleeve-design.bmp,\n"
         "front-shade.bmp, back-shade.bmp, long-sleeve-shade.bmp and short-sleeve-shade.bmp into DIR (created\n"
         "when missing): per part a design bitmap (colour group at shade 15) and a shade bitmap (shade 0-15),\n"
         "8-bit BMPs with the part's palette, each colour once (repeated colours move a few levels). Also\n"
         "writes tarnix-parts.json (the archive and the eight colour tables, which compose and save map\n"
         "against) and jersey.gpl, a GIMP palette of the colours a design can use. All are written or none.\n"
         "With --pictures writes instead front.png, back.png, long-sleeve.png and short-sleeve.png: each part\n"
         "as the game shows it, true colour, in the kit colours of --colours (default: the archive's own,\n"
         "else 1,20,13,1,6,1,6) with its shading; tarnix-parts.json records the mode, the kit colours and\n"
         "the exported indices, and jersey.gpl holds the sixteen shades of the seven kit colours and the\n"
         "badge ramp. Paint over the pictures with any brush; compose and save trace them back.",
         {"--colours"}, 2, RunExport, {"--pictures"}},
        {"compose", "compose DIR OUTDIR [--archive ARCHIVE] [--nearest]",
         "Recombine edited part bitmaps into the four parts.",
         "Reads DIR's eight part bitmaps (BMP of any depth, or PNG; NAME.png may replace NAME.bmp, the newer\n"
         "wins) and writes front.bmp, back.bmp, long-sleeve.bmp and short-sleeve.bmp into OUTDIR. Pixels are\n"
         "traced back through their colours against the tables in DIR's tarnix-parts.json, or else against an\n"
         "export of --archive (the archive they were exported from). Colours not exported are refused, or\n"
         "with --nearest mapped to the nearest jersey colour (the count is printed on stderr).\n"
         "A DIR written by export --pictures holds four pictures instead (NAME.png, or NAME.bmp when newer):\n"
         "pixels left as exported keep their index; a colour a kit ramp shows gets that colour group and\n"
         "shade; an anti-aliased edge gets the group of one of its two sides, paint darker or lighter than a\n"
         "kit colour keeps the group and moves the shade. Colours far from all of them are refused, naming\n"
         "the kit colours that would fit, or with --nearest mapped to the nearest kit shade. Where changed\n"
         "pixels went is printed on stderr, per part and colour group.",
         {"--archive"}, 2, RunCompose, {"--nearest"}},
        {"save", "save SOURCE TARGET --parts DIR [--colours a,b,c,d,e,f,g] [--label TEXT] [--nearest] [--no-backup]",
         "Save the edited parts as a jersey archive.",
         "Composes DIR's eight part bitmaps and writes TARGET as SOURCE with its twelve part entries rewritten\n"
         "and the colours and label in its trailer (SOURCE itself when TARGET names it). TARGET is replaced in\n"
         "one step: on failure it is left as it was. Default colours: SOURCE's when its trailer has them, else\n"
         "1,20,13,1,6,1,6 (23, \"Not Used\", is stored as 22). Default label: SOURCE's label. The part\n"
         "bitmaps are read as compose reads them (against DIR's tarnix-parts.json, else SOURCE's export).\n"
         "A TARGET that exists is first copied to $XDG_DATA_HOME/tarnix/backups (by default\n"
         "~/.local/share/tarnix/backups) as NAME-YYYYMMDD-HHMMSS-mmm.EXT, the last 20 per name kept, and the\n"
         "copy's path is printed on stderr as \"tarnix-cli: backup: PATH\" (stdout stays empty); a copy that\n"
         "cannot be made stops the save. --no-backup makes no copy. TARGET keeps its permissions; as with\n"
         "any save that replaces a file in one step, other hard links to it keep the old contents.",
         {"--parts", "--colours", "--label"}, 2, RunSave, {"--nearest", "--no-backup"}},
        {"thumbnail", "thumbnail ARCHIVE OUT", "Write the 64 x 64 thumbnail for Mardek.",
         "Writes the archive's \"frmd\" entry as an 8-bit BMP of 5,174 bytes with the archive's own colours.", {}, 2,
         RunThumbnail, {}},
        {"teams", "teams GAMEFOLDER [--jersey N]", "List the game's teams and their kits, as JSON.",
         "Reads DATA/CMN/FE/FCDB.DBI and FCDB_ENG.DBI under the game folder. Prints {\"teams\": [...]}: id, name,\n"
         "league, and the home and away kits (jerseyIndex, the jersey file PK0<jerseyIndex + 1>, and seven colour\n"
         "indices 0-31), in ascending id. With --jersey N prints {\"lines\": [...]} instead: the teams whose\n"
         "home or away strip uses jersey number N (text \"NAME - Home\" or \"NAME - Away\", team id, strip), in\n"
         "the order the editor's first page lists them. A damaged database gives what could be read, with a\n"
         "warning on stderr.",
         {"--jersey"}, 1, RunTeams, {}},
        {"locate-game", "locate-game", "Print the game folder the game's installer registered.",
         "Reads the game's registration (HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\\n"
         "App Paths\\fifa99.exe, value \"Path\"): on Windows from the registry, elsewhere from the Wine prefix's\n"
         "system.reg ($WINEPREFIX, else ~/.wine), mapped to the folder through the prefix's drives. Prints the\n"
         "folder; exits with 1 when the game is not registered or its folder does not exist.",
         {}, 0, RunLocateGame, {}},
    };
    // clang-format on
    return commands;
}

} // namespace tarnix::cli

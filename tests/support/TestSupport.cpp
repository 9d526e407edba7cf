#include "TestSupport.h"

#include "archive/FileIO.h"
#include "cli/CliSupport.h"
#include "sample/SampleJerseys.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace tarnix::test
{

namespace fs = std::filesystem;

namespace
{

// Saves keep copies of the files they replace in the user's data folder, and runs keep their work in the
// user's state folder. CTest points both into the build folder; so does every test binary that is started by hand,
// before any test runs.
[[maybe_unused]] const bool kPrivateDataFolder = []
{
#ifdef _WIN32
    return _putenv_s("LOCALAPPDATA", TARNIX_TEST_DATA_HOME) == 0;
#else
    // The work folder of the program's runs, too.
    return setenv("XDG_DATA_HOME", TARNIX_TEST_DATA_HOME, 1) == 0 &&
           setenv("XDG_STATE_HOME", TARNIX_TEST_DATA_HOME "/state", 1) == 0;
#endif
}();

} // namespace

TempDir::TempDir()
{
    std::random_device random;
    // Not the "Tar" prefix of the program's own temporary files, so leak checks can tell them apart.
    m_path =
        fs::temp_directory_path() / ("tarnix-test-" + std::to_string(random()) + "-" + std::to_string(random()));
    fs::create_directories(m_path);
}

TempDir::~TempDir()
{
    std::error_code ec;
    fs::permissions(m_path, fs::perms::owner_all, fs::perm_options::add, ec);
    // increment(ec), not a range-for: a destructor must not throw, and Windows' iteration fails on folders
    // whose paths run past 260 characters.
    for (fs::recursive_directory_iterator it(m_path, ec), end; !ec && it != end; it.increment(ec))
    {
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    }
    fs::remove_all(m_path, ec);
}

fs::path SampleGameFolder()
{
    return fs::path(TARNIX_SAMPLE_GAME);
}

fs::path SampleTexturesFolder()
{
    return SampleGameFolder() / "Data" / "Player" / "Textures";
}

fs::path SampleJerseyPath(int number)
{
    return SampleTexturesFolder() / sample::JerseyFileName(number);
}

Bytes ReadBytes(const fs::path& path)
{
    auto bytes = ReadWholeFile(path);
    if (!bytes)
    {
        throw std::runtime_error(bytes.error());
    }
    return *bytes;
}

void WriteBytes(const fs::path& path, const Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out)
    {
        throw std::runtime_error("cannot write " + PathText(path));
    }
}

CommandResult RunCli(const std::vector<std::string>& args)
{
    // In process, so that the same tests run wherever the core does (no fork and exec on Windows); the
    // arguments reach the commands as UTF-8, as the program's own main hands them over.
    std::vector<std::string> copies = args;
    copies.insert(copies.begin(), "tarnix-cli");
    std::vector<char*> argv;
    for (std::string& a : copies)
    {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    std::ostringstream out;
    std::ostringstream err;
    CommandResult result;
    result.exitCode = cli::RunCli(static_cast<int>(copies.size()), argv.data(), out, err);
    result.out = out.str();
    result.err = err.str();
    return result;
}

} // namespace tarnix::test

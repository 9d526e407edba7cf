#include "TestSupport.h"

#include "archive/FileIO.h"
#include "sample/SampleJerseys.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace tarnix::test
{

namespace fs = std::filesystem;

namespace
{

// Saves keep copies of the files they replace in the user's data folder. CTest points it into the build
// folder; so does every test binary that is started by hand, before any test runs.
[[maybe_unused]] const bool kPrivateDataFolder = []
{
#ifdef _WIN32
    return _putenv_s("LOCALAPPDATA", TARNIX_TEST_DATA_HOME) == 0;
#else
    return setenv("XDG_DATA_HOME", TARNIX_TEST_DATA_HOME, 1) == 0;
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
    for (auto& entry : fs::recursive_directory_iterator(m_path, ec))
    {
        fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ec);
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
        throw std::runtime_error("cannot write " + path.string());
    }
}

CommandResult RunCli(const std::vector<std::string>& args)
{
    CommandResult result;
#ifndef _WIN32
    TempDir dir;
    const fs::path outPath = dir / "out";
    const fs::path errPath = dir / "err";
    pid_t pid = fork();
    if (pid == 0)
    {
        std::vector<char*> argv;
        std::string program = TARNIX_CLI_PATH;
        argv.push_back(program.data());
        std::vector<std::string> copies = args;
        for (std::string& a : copies)
        {
            argv.push_back(a.data());
        }
        argv.push_back(nullptr);
        if (!std::freopen(outPath.c_str(), "w", stdout) || !std::freopen(errPath.c_str(), "w", stderr) ||
            !std::freopen("/dev/null", "r", stdin))
        {
            _exit(127);
        }
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    auto slurp = [](const fs::path& p)
    {
        std::ifstream in(p, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    };
    result.out = slurp(outPath);
    result.err = slurp(errPath);
#endif
    return result;
}

} // namespace tarnix::test

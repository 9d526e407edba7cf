#include "archive/FileGroup.h"

#include "archive/FileIO.h"

namespace tarnix
{

namespace fs = std::filesystem;

namespace
{

fs::path StagedPath(const fs::path& target)
{
    fs::path staged = target;
    staged.replace_filename(".~Tar" + PathText(target.filename()) + ".new");
    return staged;
}

void RemoveAll(const std::vector<fs::path>& paths, std::size_t from)
{
    for (std::size_t i = from; i < paths.size(); ++i)
    {
        RemoveFileQuietly(paths[i]);
    }
}

} // namespace

Status WriteFileGroup(const std::vector<FileContents>& files)
{
    std::vector<fs::path> staged;
    for (const auto& [path, bytes] : files)
    {
        if (path.empty() || !path.has_filename())
        {
            RemoveAll(staged, 0);
            return Status::Fail("no file name given to write to");
        }
        staged.push_back(StagedPath(path));
        Status written = WriteFileAtomic(staged.back(), bytes);
        if (!written)
        {
            RemoveAll(staged, 0);
            // The message would name the staged file; the user knows the target.
            const std::string& error = written.error();
            const std::size_t cause = error.rfind(": ");
            return Status::Fail("cannot write \"" + PathText(path) + "\"" +
                                (cause == std::string::npos ? "" : error.substr(cause)));
        }
    }
    for (std::size_t i = 0; i < files.size(); ++i)
    {
        std::error_code ec;
        fs::rename(staged[i], files[i].first, ec);
        if (ec)
        {
            RemoveAll(staged, i);
            std::string done = i == 0 ? ""
                                      : " (" + std::to_string(i) + " of " + std::to_string(files.size()) +
                                            " files were already replaced)";
            return Status::Fail("cannot replace \"" + PathText(files[i].first) + "\": " + ec.message() + done);
        }
    }
    return {};
}

} // namespace tarnix

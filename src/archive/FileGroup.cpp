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

Status WriteFileGroup(const std::vector<FileContents>& files, Flush flush)
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
        Status written = WriteFileAtomic(staged.back(), bytes, flush);
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
    // Existing targets step aside before the new files move in, so that a failing rename can put every
    // file back as it was.
    std::vector<fs::path> backups(files.size());
    auto rollBack = [&](std::size_t count)
    {
        for (std::size_t j = count; j-- > 0;)
        {
            if (backups[j].empty())
            {
                RemoveFileQuietly(files[j].first);
            }
            else
            {
                (void)RenameFile(backups[j], files[j].first);
            }
        }
        RemoveAll(staged, 0);
    };
    for (std::size_t i = 0; i < files.size(); ++i)
    {
        const fs::path& target = files[i].first;
        std::error_code ec;
        if (fs::exists(fs::symlink_status(target, ec)))
        {
            fs::path backup = target;
            backup.replace_filename(".~Tar" + PathText(target.filename()) + ".old");
            ec = RenameFile(target, backup);
            if (ec)
            {
                rollBack(i);
                return Status::Fail("cannot replace \"" + PathText(target) + "\": " + ec.message());
            }
            backups[i] = backup;
        }
        ec = RenameFile(staged[i], target);
        if (ec)
        {
            if (!backups[i].empty())
            {
                (void)RenameFile(backups[i], target);
            }
            rollBack(i);
            return Status::Fail("cannot replace \"" + PathText(target) + "\": " + ec.message());
        }
    }
    for (const fs::path& backup : backups)
    {
        RemoveFileQuietly(backup);
    }
    return {};
}

} // namespace tarnix

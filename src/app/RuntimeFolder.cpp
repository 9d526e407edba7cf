#include "app/RuntimeFolder.h"

#include <QByteArray>
#include <QDir>

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
#include <cerrno>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tarnix
{

void PrepareRuntimeFolder()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
    {
        return;
    }
    const uid_t uid = geteuid();
    const passwd* user = getpwuid(uid);
    // The name Qt's fallback uses, so that other Qt programs of the same user share the folder.
    const QByteArray name = user != nullptr ? QByteArray(user->pw_name) : QByteArray::number(uint(uid));
    const QByteArray folder = QFile::encodeName(QDir::tempPath()) + "/runtime-" + name;
    if (mkdir(folder.constData(), 0700) != 0 && errno != EEXIST)
    {
        return;
    }
    struct stat info = {};
    if (lstat(folder.constData(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != uid ||
        (info.st_mode & 0777) != 0700)
    {
        return;
    }
    qputenv("XDG_RUNTIME_DIR", folder);
#endif
}

} // namespace tarnix

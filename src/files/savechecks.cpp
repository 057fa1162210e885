#include "files/savechecks.h"

#include "base/prompter.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

namespace SaveChecks {

bool isReadOnly(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat st;
    if (::stat(name.constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    const uid_t me = ::geteuid();
    // Root may write anything; only the bits tell what the owner meant.
    if (me == 0)
        return (st.st_mode & 0222) == 0;
    if (st.st_uid == me)
        return (st.st_mode & S_IWUSR) == 0;
    return ::access(name.constData(), W_OK) != 0;
}

bool mayReplaceReadOnly(Prompter &prompter, const QString &path)
{
    if (!isReadOnly(path))
        return true;
    return prompter.confirmDefaultNo(QDir::toNativeSeparators(path) +
                                     QStringLiteral(" is read-only; save anyway?"));
}

} // namespace SaveChecks

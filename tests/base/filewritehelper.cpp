// Writes a file through FileBytes as whatever user runs it, for the tests that need a user
// other than root: quillmark_filewrite TARGET BYTES. Exit code 0 when written, 1 with the
// reason on standard output when not.
#include "base/filebytes.h"

#include <QCoreApplication>

#include <csignal>
#include <cstdio>

int main(int argc, char *argv[])
{
    // A file size limit set for the test makes writes fail instead of ending the process.
    std::signal(SIGXFSZ, SIG_IGN);
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3)
        return 2;
    QString reason;
    if (FileBytes::write(args[1], args[2].toUtf8(), &reason))
        return 0;
    std::fputs(reason.toUtf8().constData(), stdout);
    return 1;
}

#include "shell/applicationsetup.h"

#include "shell/splashwindow.h"

#include <QApplication>

namespace ApplicationSetup {

void nameProgram(const QString &version)
{
    QApplication::setApplicationName(QStringLiteral("quillmark"));
    QApplication::setApplicationVersion(version);
    QApplication::setWindowIcon(SplashWindow::programIcon());
}

} // namespace ApplicationSetup

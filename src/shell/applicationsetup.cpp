#include "shell/applicationsetup.h"

#include "shell/splashwindow.h"
#include "widgets/deferredicons.h"

#include <QApplication>

namespace ApplicationSetup {

void nameProgram(const QString &version)
{
    QApplication::setApplicationName(QStringLiteral("quillmark"));
    QApplication::setApplicationVersion(version);
    // Desktops find the installed entry, and with it the icon, under this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quillmark.Quillmark"));
}

void setProgramIcon()
{
    QApplication::setWindowIcon(SplashWindow::programIcon());
}

void deferStandardIcons()
{
    if (!qobject_cast<DeferredIconStyle *>(QApplication::style()))
        QApplication::setStyle(new DeferredIconStyle(QApplication::style()));
}

} // namespace ApplicationSetup

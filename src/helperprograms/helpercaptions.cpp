#include "helperprograms/helpercaptions.h"

#include "base/programcommand.h"
#include "base/settingsfile.h"

#include <QFileInfo>

namespace HelperCaptions {

QString caption(const QString &name, const QString &path)
{
    if (!name.trimmed().isEmpty())
        return name;
    const ProgramCommand command = ProgramCommand::parse(path);
    if (!command.isEmpty())
        return QFileInfo(command.program).fileName();
    return QStringLiteral("(none)");
}

QString caption(const SettingsFile &settings, int helper)
{
    return caption(settings.read(Keys::HelperNames[helper]),
                   settings.read(Keys::HelperPaths[helper]));
}

} // namespace HelperCaptions

#pragma once

#include <QString>

class SettingsFile;

// The captions of the seven helper programs on the Helper Program menu and its pop-up twin.
namespace HelperCaptions {

// The stored name; without one the program's file name, so that a located helper is known
// by something; "(none)" for a helper not set up.
QString caption(const QString &name, const QString &path);
// Helper n, 0 to 6, as the settings file describes it.
QString caption(const SettingsFile &settings, int helper);

} // namespace HelperCaptions

#pragma once

class SettingsFile;

// What a new user gets before the settings file exists: a colour for every tag category,
// so that tags are coloured from the first document on.
namespace FirstStart {
void prepare(SettingsFile &settings);
}

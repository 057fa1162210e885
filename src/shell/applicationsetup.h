#pragma once

#include <QString>

// Tells Qt about the running program: its name (which also names the per-user data folder),
// version and icon. It sets no display name, since Qt would append one to the title of every
// window and dialog ("Open — Quillmark", "Quillmark - [page.htm] — Quillmark").
namespace ApplicationSetup {

// Name and version; may come before the application object, and must come before anything
// asks Qt for the user's data folder.
void nameProgram(const QString &version);
// The window icon, once the application object is there.
void setProgramIcon();

// Wraps the application's style so that its standard pictures are read when first drawn.
void deferStandardIcons();

} // namespace ApplicationSetup

#pragma once

#include <QString>

// Checks for the files and folders the program keeps for itself (the journal, the lock and
// socket of the running copy, the home folder's own subfolders). A name is looked at without
// following a link (lstat): only a regular file or a folder that belongs to this user counts as
// ours, so a pipe, a device or a link put in its place is never opened.
namespace OwnFiles {

enum class Kind { Absent, OwnFile, OwnFolder, Other };
// What lies at the name. Other also covers a file or folder of another user.
Kind kindAt(const QString &path, QString *reason = nullptr);

// True for a folder of this user that nobody else may enter (no group or other bits).
bool isPrivateFolder(const QString &path, QString *reason = nullptr);
// Makes the folder, and those above it that are missing, with mode 0700. An existing folder is
// left as it is. False with a reason when it cannot be made.
bool makeFolder(const QString &path, QString *reason = nullptr);
// Makes the folder with mode 0700 when it is missing, then checks it is private.
bool makePrivateFolder(const QString &path, QString *reason = nullptr);

// The folder for this user's sockets and locks: $XDG_RUNTIME_DIR when it is private, else
// "quillmark-<uid>" in the system's temporary folder, made 0700 and checked. Empty with a reason
// when neither can be used.
QString runtimeFolder(QString *reason = nullptr);

} // namespace OwnFiles

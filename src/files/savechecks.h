#pragma once

#include <QString>

class Prompter;

// Questions asked before a save replaces a file, beside the one about outside changes.
namespace SaveChecks {

// True when the file exists and its permissions forbid writing it (for root, when no write
// bit is set at all): the user made it read-only on purpose.
bool isReadOnly(const QString &path);

// A read-only file is saved over only when the user says so ("… is read-only; save anyway?",
// default No). True when the save may go on.
bool mayReplaceReadOnly(Prompter &prompter, const QString &path);

} // namespace SaveChecks

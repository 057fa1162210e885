#pragma once

#include <QString>
#include <QStringList>

// What the internal preview does with a link the user clicks. It never goes on line: web,
// file-transfer and mail addresses do nothing. Local pages load inside the preview; a sound
// plays; a media file goes to the desktop's player; a program is only ever run after the user
// agrees, with its parameters as an argument list.
namespace LinkPolicy {

enum class Action {
    Ignore,  // http, ftp, mailto: nothing at all
    Follow,  // the preview loads it itself (local pages, other schemes)
    Sound,   // played in the background
    Media,   // handed to the desktop's player
    Program, // run after confirmation
};

struct Decision
{
    Action action = Action::Follow;
    QString file;           // local links: the file part, expanded to a full path
    QStringList parameters; // local links: the text after the file part, split into words
};

// Splits a local link into its file part and parameter text: the first blank, or when there
// is none the first "?", ends the file part.
void splitParameters(const QString &link, QString *file, QString *parameters);

// Classifies an address as the preview's link handler sees it. A relative file part is
// expanded against baseFolder; "file:" addresses are turned into paths. isProgram tells
// whether a local file is a program the user could mean to run.
Decision classify(const QString &address, const QString &baseFolder,
                  bool (*isProgram)(const QString &path) = nullptr);

// A program is a file named ".exe", or an executable regular file that is not a page,
// style sheet, picture or sound.
bool isProgramFile(const QString &path);

} // namespace LinkPolicy

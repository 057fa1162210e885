#pragma once

#include <QByteArray>
#include <QString>

// The server-side includes the internal preview understands, done on the page's bytes before
// it is shown: <!--#date-->, <!--#time--> and <!--#include file="name"-->. Other directives
// stay as they are (the page shows them as comments, i.e. not at all). Included files are
// read only when they are regular, readable and at most 1 MB; anything else yields nothing.
// Included text is not expanded again.
namespace ServerSideIncludes {

inline constexpr qint64 MaxIncludeSize = 1024 * 1024;

struct Context
{
    QString folder;  // relative include names are found from here
    QByteArray date; // the texts put in for "date" and "time", already encoded
    QByteArray time;
};

bool hasDirectives(const QByteArray &page);
QByteArray expand(const QByteArray &page, const Context &context);

} // namespace ServerSideIncludes

#pragma once

#include <QByteArray>
#include <QString>

// The background sound a page asks for with <bgsound src="..." loop="...">, which the web
// engine itself ignores. The internal preview plays it.
namespace BackgroundSound {

struct Request
{
    QString file;  // full path; empty when the page asks for none
    int loops = 1; // how many times to play; -1 for ever
};

// The first <bgsound> of the page, its source found from the page's folder. A negative or
// "infinite" loop plays for ever; none or zero plays once.
Request find(const QByteArray &page, const QString &folder);

} // namespace BackgroundSound

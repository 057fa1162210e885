#pragma once

#include <QString>

// File names kept in the settings file (recent files, the last session) travel through a line
// of text: a line break or a tab in a name is stored escaped, so that it comes back exactly.
// A backslash is doubled; "\n", "\r" and "\t" stand for the characters; any other backslash
// is read as it stands.
namespace StoredNames {

inline QString escape(const QString &name)
{
    QString out;
    out.reserve(name.size());
    for (const QChar c : name) {
        switch (c.unicode()) {
        case u'\\':
            out += QLatin1String("\\\\");
            break;
        case u'\n':
            out += QLatin1String("\\n");
            break;
        case u'\r':
            out += QLatin1String("\\r");
            break;
        case u'\t':
            out += QLatin1String("\\t");
            break;
        default:
            out += c;
        }
    }
    return out;
}

inline QString unescape(const QString &stored)
{
    QString out;
    out.reserve(stored.size());
    for (qsizetype i = 0; i < stored.size(); ++i) {
        const QChar c = stored[i];
        if (c != u'\\' || i + 1 == stored.size()) {
            out += c;
            continue;
        }
        const QChar next = stored[i + 1];
        if (next == u'\\')
            out += u'\\';
        else if (next == u'n')
            out += u'\n';
        else if (next == u'r')
            out += u'\r';
        else if (next == u't')
            out += u'\t';
        else {
            out += c;
            continue;
        }
        ++i;
    }
    return out;
}

} // namespace StoredNames

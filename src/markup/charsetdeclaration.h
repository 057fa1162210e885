#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// The character set a page declares for itself in its head: `<meta charset="...">` or the
// `http-equiv` form's `content="text/html; charset=..."`. Browsers believe it over their own
// guess, so a page whose bytes change encoding must change its declaration too.
struct CharsetDeclaration
{
    qsizetype start = 0; // of the value, in the text searched
    qsizetype length = 0;
    QString value;

    // The first declaration in a meta tag before the end of the head (or within the first 64 KB
    // of a page without one); none when the page declares nothing.
    static std::optional<CharsetDeclaration> find(QStringView text);
    bool isUtf8() const;
};

#include "markup/charsetdeclaration.h"

#include <QRegularExpression>

namespace {

constexpr qsizetype HeadLimit = 64 * 1024;

} // namespace

std::optional<CharsetDeclaration> CharsetDeclaration::find(QStringView text)
{
    static const QRegularExpression headEnd(QStringLiteral("</head\\s*>|<body[\\s>]"),
                                            QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression meta(QStringLiteral("<meta\\b[^>]*>"),
                                         QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression charset(
        QStringLiteral("\\bcharset\\s*=\\s*[\"']?\\s*([A-Za-z0-9._:+-]+)"),
        QRegularExpression::CaseInsensitiveOption);
    QStringView head = text.first(std::min(text.size(), HeadLimit));
    if (const QRegularExpressionMatch end = headEnd.match(head); end.hasMatch())
        head = head.first(end.capturedStart());
    for (auto tags = meta.globalMatch(head); tags.hasNext();) {
        const QRegularExpressionMatch tag = tags.next();
        const QRegularExpressionMatch value = charset.match(tag.capturedView());
        if (!value.hasMatch())
            continue;
        return CharsetDeclaration{tag.capturedStart() + value.capturedStart(1),
                                  value.capturedLength(1), value.captured(1)};
    }
    return std::nullopt;
}

bool CharsetDeclaration::isUtf8() const
{
    return value.compare(QLatin1String("utf-8"), Qt::CaseInsensitive) == 0 ||
           value.compare(QLatin1String("utf8"), Qt::CaseInsensitive) == 0;
}

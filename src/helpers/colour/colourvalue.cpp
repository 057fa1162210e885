#include "helpers/colour/colourvalue.h"

#include "colours/namedcolours.h"

#include <QRegularExpression>

namespace ColourValue {

namespace {

struct TargetRow
{
    ColourTarget target;
    const char *attribute;
};

constexpr TargetRow Targets[] = {
    {ColourTarget::Font, "color"},        {ColourTarget::Background, "bgcolor"},
    {ColourTarget::Text, "text"},         {ColourTarget::Link, "link"},
    {ColourTarget::VisitedLink, "vlink"}, {ColourTarget::ActiveLink, "alink"},
};

// How far around the selection a colour is looked for: an attribute is never longer.
constexpr int Reach = 256;

const QRegularExpression &attributePattern()
{
    static const QRegularExpression re(
        QStringLiteral(R"re((?<![\w-])(color|bgcolor|text|link|vlink|alink)\s*=\s*)re"
                       R"re((?:"([^"<>]*)"|'([^'<>]*)'|([^\s"'<>]+)))re"),
        QRegularExpression::CaseInsensitiveOption);
    return re;
}

const QRegularExpression &barePattern()
{
    static const QRegularExpression re(
        QStringLiteral(R"re((?<![\w#-])(#[0-9A-Fa-f]{6}|[A-Za-z]+)(?![\w-]))re"));
    return re;
}

} // namespace

QString attributeName(ColourTarget target)
{
    for (const TargetRow &row : Targets)
        if (row.target == target)
            return QLatin1String(row.attribute);
    return {};
}

QString build(const ColourFields &f)
{
    if (!f.target)
        return {};
    const QString colour = NamedColours::colourText(f.rgb, f.useNames);
    if (*f.target == ColourTarget::CodeOnly)
        return colour;
    return TagAttribute::build(attributeName(*f.target), colour).mid(1);
}

std::optional<FoundTag> find(const QString &text, int selectionStart, int selectionEnd)
{
    const int from = std::max(0, selectionStart - Reach);
    const int to = std::min(int(text.size()), selectionEnd + Reach);
    const QString window = text.mid(from, to - from);
    const auto covers = [&](const QRegularExpressionMatch &m) {
        return from + m.capturedStart() <= selectionStart && selectionEnd <= from + m.capturedEnd();
    };
    for (const QRegularExpressionMatch &m : attributePattern().globalMatch(window)) {
        if (!covers(m))
            continue;
        TagAttribute a;
        a.name = m.captured(1);
        a.hasValue = true;
        for (int group = 2; group <= 4; ++group)
            if (m.capturedStart(group) >= 0) {
                a.value = m.captured(group);
                a.quote = group == 2 ? u'"' : group == 3 ? u'\'' : QChar();
            }
        a.text = m.captured(0);
        if (!NamedColours::parseColourText(a.value.trimmed()))
            break;
        FoundTag piece;
        piece.start = from + int(m.capturedStart());
        piece.end = from + int(m.capturedEnd());
        piece.name = a.name;
        piece.attributes = {a};
        return piece;
    }
    for (const QRegularExpressionMatch &m : barePattern().globalMatch(window)) {
        if (!covers(m))
            continue;
        // A bare word is a colour only by its name: "Beaded" is no hex value.
        const QString word = m.captured(1);
        if (word.startsWith(u'#') ? !NamedColours::parseColourText(word)
                                  : !NamedColours::valueOf(word))
            return std::nullopt;
        FoundTag piece;
        piece.start = from + int(m.capturedStart());
        piece.end = from + int(m.capturedEnd());
        TagAttribute a;
        a.value = a.text = m.captured(1);
        a.hasValue = true;
        piece.attributes = {a};
        return piece;
    }
    return std::nullopt;
}

std::optional<ColourFields> read(const FoundTag &piece)
{
    if (piece.attributes.size() != 1)
        return std::nullopt;
    const QString value = piece.attributes.first().value.trimmed();
    const std::optional<std::uint32_t> rgb = NamedColours::parseColourText(value);
    if (!rgb)
        return std::nullopt;
    ColourFields f;
    f.rgb = *rgb;
    f.useNames = !value.startsWith(u'#') && NamedColours::valueOf(value).has_value();
    f.target = ColourTarget::CodeOnly;
    for (const TargetRow &row : Targets)
        if (piece.name.compare(QLatin1String(row.attribute), Qt::CaseInsensitive) == 0)
            f.target = row.target;
    return f;
}

QString replacement(const FoundTag &piece, const ColourFields &f)
{
    if (!f.target)
        return {};
    const QString colour = NamedColours::colourText(f.rgb, f.useNames);
    if (piece.name.isEmpty())
        return colour;
    if (*f.target == ColourTarget::CodeOnly)
        return TagAttribute::build(piece.name, colour).mid(1);
    return build(f);
}

} // namespace ColourValue

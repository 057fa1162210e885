#include "helpers/link/linkcode.h"

namespace LinkCode {

namespace {

struct ProtocolRow
{
    LinkProtocol protocol;
    const char *text;
};

constexpr ProtocolRow Protocols[] = {
    {LinkProtocol::Http, "http://"},   {LinkProtocol::Https, "https://"},
    {LinkProtocol::Ftp, "ftp://"},     {LinkProtocol::Gopher, "gopher://"},
    {LinkProtocol::News, "news:"},     {LinkProtocol::Telnet, "telnet://"},
    {LinkProtocol::Mailto, "mailto:"},
};

const QString Subject = QStringLiteral("?subject= ");

QString anchorStart(const QString &attribute, const QString &value, const QString &target,
                    const QList<TagAttribute> &others)
{
    return QStringLiteral("<A") + TagAttribute::build(attribute, value) + target +
           TagReading::othersText(others) + u'>';
}

} // namespace

QString protocolText(LinkProtocol protocol)
{
    for (const ProtocolRow &row : Protocols)
        if (row.protocol == protocol)
            return QLatin1String(row.text);
    return {};
}

bool targetApplies(const LinkFields &f)
{
    switch (f.protocol) {
    case LinkProtocol::Http:
    case LinkProtocol::Https:
    case LinkProtocol::Gopher:
        return true;
    case LinkProtocol::None:
        return !f.fromFile;
    default:
        return false;
    }
}

bool fileApplies(LinkProtocol protocol)
{
    return protocol == LinkProtocol::Http || protocol == LinkProtocol::Https ||
           protocol == LinkProtocol::Ftp || protocol == LinkProtocol::None ||
           protocol == LinkProtocol::Stylesheet;
}

QString targetPart(const QString &listText)
{
    QString name = listText;
    // A name typed in quotes means the name; `""` is the list's empty target.
    if (name.size() >= 2 && name.startsWith(u'"') && name.endsWith(u'"'))
        name = name.mid(1, name.size() - 2);
    return TagAttribute::build(QStringLiteral("target"), name);
}

LinkParts build(const LinkFields &f)
{
    LinkParts parts;
    parts.tipWord = QStringLiteral("an URL");
    if (f.name) {
        parts.start = anchorStart(QStringLiteral("name"), f.address, {}, f.others);
        parts.end = QStringLiteral("</A>");
        parts.tipWord = QStringLiteral("a NAME");
        parts.back = 2 + int(TagReading::othersText(f.others).size());
        // A name already typed needs no tip.
        if (!f.address.isEmpty())
            parts.tipWord.clear();
        return parts;
    }
    const QString target = f.targetOn && targetApplies(f) ? targetPart(f.target) : QString();
    QString address;
    if (f.fromFile) {
        // "http://../img/a.gif" would name a host "..": a file is linked by its reference.
        address = f.address;
        if (f.protocol == LinkProtocol::None) {
            parts.start = address;
            parts.insertOnly = true;
            parts.tipWord.clear();
            return parts;
        }
    } else {
        address = protocolText(f.protocol);
        if (f.protocol == LinkProtocol::Mailto && f.targetOn && f.address.isEmpty()) {
            address += Subject;
            parts.tipWord = QStringLiteral("an ADDRESS");
        }
        address += f.address;
    }
    if (f.protocol == LinkProtocol::Stylesheet) {
        parts.start = QStringLiteral("<LINK rel=\"stylesheet\" type=\"text/css\"") +
                      TagAttribute::build(QStringLiteral("href"), address) + u'>';
        parts.insertOnly = f.fromFile;
    } else {
        parts.start = anchorStart(QStringLiteral("href"), address, target, f.others);
        parts.end = QStringLiteral("</A>");
    }
    if (f.fromFile || !f.address.isEmpty()) {
        // The address is known: nothing to type.
        parts.tipWord.clear();
        return parts;
    }
    // Right after the protocol, where the address is typed.
    const QString prefix = protocolText(f.protocol);
    const qsizetype value = parts.start.indexOf(QLatin1String(" href=")) + 7;
    parts.back = int(parts.start.size() - value - prefix.size());
    return parts;
}

std::optional<LinkFields> read(const FoundTag &tag)
{
    if (tag.name.compare(QLatin1String("a"), Qt::CaseInsensitive) != 0)
        return std::nullopt;
    LinkFields f;
    const TagAttribute *href = tag.attribute(u"href");
    const TagAttribute *name = tag.attribute(u"name");
    if (!href && name) {
        f.name = true;
        f.address = name->value;
        f.others = tag.others({"name"});
        return f;
    }
    f.address = href ? href->value : QString();
    for (const ProtocolRow &row : Protocols)
        if (f.address.startsWith(QLatin1String(row.text), Qt::CaseInsensitive)) {
            f.protocol = row.protocol;
            f.address = f.address.mid(qstrlen(row.text));
            break;
        }
    if (const TagAttribute *target = tag.attribute(u"target"); target && targetApplies(f)) {
        f.targetOn = true;
        f.target = target->value.isEmpty() ? QStringLiteral("\"\"") : target->value;
        f.others = tag.others({"href", "target"});
    } else {
        f.others = tag.others({"href"});
    }
    return f;
}

} // namespace LinkCode

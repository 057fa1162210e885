#include "helpers/list/listcode.h"

namespace ListCode {

namespace {

const QString Break = QStringLiteral("\n");

const char *const BulletTypes[] = {"circle", "disc", "square"};
const char *const NumberTypes[] = {"1", "I", "i", "A", "a"};

QString tagName(ListKind kind)
{
    switch (kind) {
    case ListKind::Bullet:
        return QStringLiteral("UL");
    case ListKind::Number:
        return QStringLiteral("OL");
    case ListKind::Definition:
        return QStringLiteral("DL");
    case ListKind::None:
        break;
    }
    return {};
}

bool isNumberType(const QString &type)
{
    for (const char *t : NumberTypes)
        if (type == QLatin1String(t))
            return true;
    return false;
}

// The bullet types in lower case, the number types as written (case tells them apart).
QString knownType(const QString &value, bool bullets, bool numbers)
{
    const QString v = value.trimmed();
    if (bullets)
        for (const char *t : BulletTypes)
            if (v.compare(QLatin1String(t), Qt::CaseInsensitive) == 0)
                return QLatin1String(t);
    if (numbers && isNumberType(v))
        return v;
    return {};
}

// The kept attributes, leaving out those the panel writes itself, so that none comes twice.
QString othersText(const QList<TagAttribute> &others, const QStringList &written)
{
    QString text;
    for (const TagAttribute &a : others)
        if (!written.contains(a.name, Qt::CaseInsensitive))
            text += u' ' + a.text;
    return text;
}

} // namespace

std::optional<ListParts> build(const ListFields &f)
{
    const bool list = f.mode == ListMode::List;
    if (list && f.kind == ListKind::None)
        return std::nullopt;
    const bool definition =
        list ? f.kind == ListKind::Definition : f.type == QLatin1String("definition");

    QString itemStart, itemEnd;
    if (definition) {
        // Definition items end with the definition's tag; "/LI" has no say over them.
        itemStart = QStringLiteral("<DT>");
        itemEnd = QStringLiteral("<DD>");
    } else {
        // A whole list carries the type on its own tag; a lone item carries it itself.
        const QString type =
            list || f.type.isEmpty() ? QString() : QStringLiteral(" type=") + f.type;
        itemStart = QStringLiteral("<LI") + type + u'>';
        itemEnd = f.endLi ? QStringLiteral("</LI>") : QString();
    }
    const QString indent(list ? std::max(0, f.indent) : 0, u'\t');

    ListParts parts;
    QString furtherItems;
    for (int i = 1; i < f.items; ++i)
        furtherItems += Break + indent + itemStart + itemEnd;
    if (list) {
        const QString name = tagName(f.kind);
        QStringList written;
        parts.tag = u'<' + name;
        if (f.compact) {
            parts.tag += QStringLiteral(" compact");
            written << QStringLiteral("compact");
        }
        if (!f.type.isEmpty() && f.kind != ListKind::Definition) {
            parts.tag += TagAttribute::build(QStringLiteral("type"), f.type);
            written << QStringLiteral("type");
        }
        if (f.start && f.kind == ListKind::Number) {
            parts.tag += QStringLiteral(" start=") + QString::number(*f.start);
            written << QStringLiteral("start");
        }
        parts.tag += othersText(f.others, written) + u'>';
        parts.start = parts.tag + Break + indent + itemStart;
        parts.end = itemEnd + furtherItems + Break + QStringLiteral("</") + name + u'>';
    } else {
        const QStringList written{f.type.isEmpty() ? QString() : QStringLiteral("type")};
        parts.tag =
            definition ? itemStart : itemStart.chopped(1) + othersText(f.others, written) + u'>';
        parts.start = itemStart;
        parts.end = itemEnd + furtherItems;
    }
    return parts;
}

std::optional<ListFields> read(const FoundTag &tag)
{
    ListFields f;
    QStringList known;
    const auto is = [&tag](const char *name) {
        return tag.name.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
    };
    if (is("li")) {
        f.mode = ListMode::Item;
        f.kind = ListKind::None;
    } else if (is("ul")) {
        f.kind = ListKind::Bullet;
    } else if (is("ol")) {
        f.kind = ListKind::Number;
        f.start = 1;
        if (const TagAttribute *a = tag.attribute(u"start"); a && a->hasValue) {
            bool ok = false;
            const int n = a->value.trimmed().toInt(&ok);
            if (ok && n >= 1) {
                f.start = n;
                known << QStringLiteral("start");
            }
        }
    } else if (is("dl")) {
        f.kind = ListKind::Definition;
    } else {
        return std::nullopt;
    }
    if (const TagAttribute *a = tag.attribute(u"type")) {
        const bool item = f.mode == ListMode::Item;
        f.type = knownType(a->value, item || f.kind == ListKind::Bullet,
                           item || f.kind == ListKind::Number);
        if (!f.type.isEmpty())
            known << QStringLiteral("type");
    }
    if (f.mode == ListMode::List) {
        if (const TagAttribute *a = tag.attribute(u"compact"); a && !a->hasValue) {
            f.compact = true;
            known << QStringLiteral("compact");
        }
    }
    for (const TagAttribute &a : tag.attributes)
        if (!known.contains(a.name, Qt::CaseInsensitive) || tag.attribute(a.name) != &a)
            f.others.append(a);
    return f;
}

} // namespace ListCode

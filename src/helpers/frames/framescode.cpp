#include "helpers/frames/framescode.h"

#include "colours/namedcolours.h"

namespace FramesCode {

namespace {

const QString Break = QStringLiteral("\n");

QString quoted(const char *name, const FramesOption &o)
{
    return o.on ? TagAttribute::build(QLatin1String(name), o.value) : QString();
}

QString number(const char *name, const FramesOption &o)
{
    return o.on ? TagAttribute::buildNumber(QLatin1String(name), o.value) : QString();
}

QString borderColour(const FramesFields &f, bool names)
{
    if (!f.borderColourOn)
        return {};
    return TagAttribute::build(QStringLiteral("bordercolor"),
                               NamedColours::colourText(f.borderColour, names));
}

QString nameAndSource(const FramesFields &f, int item)
{
    QString text;
    if (f.name)
        text += TagAttribute::build(QStringLiteral("name"), f.nameValue);
    return text + TagAttribute::build(QStringLiteral("src"), f.sources.value(item));
}

void readOption(const FoundTag &tag, const char *name, FramesOption &o, QStringList &known)
{
    if (const TagAttribute *a = tag.attribute(QLatin1String(name)); a && a->hasValue) {
        o = {true, a->value};
        known << QLatin1String(name);
    }
}

} // namespace

FramesParts build(const FramesFields &f)
{
    const int items = std::clamp(f.items, 1, MaxItems);
    const QString others = TagReading::othersText(f.others);
    FramesParts parts;
    switch (f.mode) {
    case FramesMode::Frameset: {
        QString layout = f.layout;
        if (layout.isNull() || layout.count(u',') + 1 != items)
            layout = (f.columns ? QStringLiteral(" ") : QString()) +
                     QStringLiteral(", ").repeated(items - 1);
        parts.tag = QStringLiteral("<FRAMESET") +
                    TagAttribute::build(f.columns ? QStringLiteral("cols") : QStringLiteral("rows"),
                                        layout) +
                    number("border", f.border) + number("framespacing", f.spacing) +
                    quoted("frameborder", f.frameBorder) + borderColour(f, f.useNames) + others +
                    u'>';
        parts.start = parts.tag + Break;
        parts.end = (f.noFrame ? Break + QStringLiteral("<NOFRAME></NOFRAME>") : QString()) +
                    Break + QStringLiteral("</FRAMESET>");
        return parts;
    }
    case FramesMode::Frame: {
        for (int i = 0; i < items; ++i) {
            const QString tag =
                QStringLiteral("<FRAME") + nameAndSource(f, i) +
                number("marginwidth", f.marginWidth) + number("marginheight", f.marginHeight) +
                quoted("scrolling", f.scrolling) +
                (f.noResize ? QStringLiteral(" noresize") : QString()) +
                number("framespacing", f.frameSpacing) + quoted("frameborder", f.frameBorder) +
                borderColour(f, false) + others + u'>';
            if (i == 0)
                parts.tag = tag;
            parts.start += tag;
            if (i + 1 < items)
                parts.start += Break;
        }
        return parts;
    }
    case FramesMode::Iframe:
        parts.tag = QStringLiteral("<IFRAME") + nameAndSource(f, 0) + quoted("align", f.align) +
                    number("width", f.width) + number("height", f.height) +
                    number("hspace", f.hspace) + number("vspace", f.vspace) +
                    quoted("scrolling", f.scrolling) + quoted("frameborder", f.frameBorder) +
                    number("border", f.iframeBorder) + borderColour(f, false) + others + u'>';
        parts.start = parts.tag;
        parts.end = QStringLiteral("</IFRAME>");
        return parts;
    }
    return parts;
}

std::optional<FramesFields> read(const FoundTag &tag)
{
    FramesFields f;
    QStringList known;
    if (tag.name.compare(QLatin1String("frameset"), Qt::CaseInsensitive) == 0) {
        f.mode = FramesMode::Frameset;
        const TagAttribute *rows = tag.attribute(u"rows");
        const TagAttribute *cols = tag.attribute(u"cols");
        if (const TagAttribute *layout = rows ? rows : cols; layout && layout->hasValue) {
            f.columns = !rows;
            f.layout = layout->value;
            f.items = std::min(int(layout->value.count(u',')) + 1, MaxItems);
            known << layout->name;
        }
        readOption(tag, "border", f.border, known);
        readOption(tag, "framespacing", f.spacing, known);
    } else if (tag.name.compare(QLatin1String("frame"), Qt::CaseInsensitive) == 0) {
        f.mode = FramesMode::Frame;
        readOption(tag, "marginwidth", f.marginWidth, known);
        readOption(tag, "marginheight", f.marginHeight, known);
        readOption(tag, "scrolling", f.scrolling, known);
        readOption(tag, "framespacing", f.frameSpacing, known);
        if (const TagAttribute *a = tag.attribute(u"noresize"); a && !a->hasValue) {
            f.noResize = true;
            known << QStringLiteral("noresize");
        }
    } else if (tag.name.compare(QLatin1String("iframe"), Qt::CaseInsensitive) == 0) {
        f.mode = FramesMode::Iframe;
        readOption(tag, "align", f.align, known);
        readOption(tag, "width", f.width, known);
        readOption(tag, "height", f.height, known);
        readOption(tag, "hspace", f.hspace, known);
        readOption(tag, "vspace", f.vspace, known);
        readOption(tag, "scrolling", f.scrolling, known);
        readOption(tag, "border", f.iframeBorder, known);
    } else {
        return std::nullopt;
    }
    readOption(tag, "frameborder", f.frameBorder, known);
    if (f.mode != FramesMode::Frameset) {
        const TagAttribute *name = tag.attribute(u"name");
        f.name = name && name->hasValue;
        if (f.name) {
            f.nameValue = name->value;
            known << QStringLiteral("name");
        }
        // A frame always gets a source; one that has none gets an empty one.
        if (const TagAttribute *src = tag.attribute(u"src"); src && src->hasValue) {
            f.sources = {src->value};
            known << QStringLiteral("src");
        }
    }
    if (const TagAttribute *a = tag.attribute(u"bordercolor")) {
        const QString value = a->value.trimmed();
        const std::optional<std::uint32_t> rgb = NamedColours::parseColourText(value);
        // Only a frame set writes a name; elsewhere a name stays as the author wrote it.
        const bool named = !value.startsWith(u'#') && NamedColours::valueOf(value).has_value();
        if (rgb && (f.mode == FramesMode::Frameset || !named)) {
            f.borderColourOn = true;
            f.borderColour = *rgb;
            f.useNames = named;
            known << QStringLiteral("bordercolor");
        }
    }
    for (const TagAttribute &a : tag.attributes)
        if (!known.contains(a.name, Qt::CaseInsensitive) || tag.attribute(a.name) != &a)
            f.others.append(a);
    return f;
}

} // namespace FramesCode

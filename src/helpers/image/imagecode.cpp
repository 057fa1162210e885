#include "helpers/image/imagecode.h"

namespace ImageCode {

namespace {

void addOptional(QString &code, const char *name, const std::optional<QString> &value)
{
    if (value)
        code += TagAttribute::build(QLatin1String(name), *value);
}

std::optional<int> pixels(const TagAttribute *a)
{
    if (!a || !a->hasValue)
        return std::nullopt;
    bool ok = false;
    const int v = a->value.trimmed().toInt(&ok);
    if (!ok || v < 0)
        return std::nullopt;
    return v;
}

std::optional<QString> valueOf(const FoundTag &tag, const char *name)
{
    if (const TagAttribute *a = tag.attribute(QLatin1String(name)))
        return a->value;
    return std::nullopt;
}

} // namespace

QString build(const ImageFields &f)
{
    if (f.background)
        return QStringLiteral("background=\"") + f.reference + u'"';
    QString code = QStringLiteral("<IMG") + TagAttribute::build(QStringLiteral("src"), f.reference);
    if (!f.align.isEmpty() && f.align.compare(QLatin1String("default"), Qt::CaseInsensitive) != 0)
        code += TagAttribute::build(QStringLiteral("align"), f.align);
    if (f.sizeAttributes && f.size.isValid()) {
        code += TagAttribute::build(QStringLiteral("width"), QString::number(f.size.width()));
        code += TagAttribute::build(QStringLiteral("height"), QString::number(f.size.height()));
    }
    addOptional(code, "hspace", f.hspace);
    addOptional(code, "vspace", f.vspace);
    if (f.border != QLatin1String("1"))
        code += TagAttribute::build(QStringLiteral("border"), f.border);
    addOptional(code, "alt", f.alt);
    return code + TagReading::othersText(f.others) + u'>';
}

std::optional<ImageFields> read(const FoundTag &tag)
{
    if (tag.name.compare(QLatin1String("img"), Qt::CaseInsensitive) != 0)
        return std::nullopt;
    ImageFields f;
    f.reference = valueOf(tag, "src").value_or(QString());
    f.align = valueOf(tag, "align").value_or(QString());
    f.hspace = valueOf(tag, "hspace");
    f.vspace = valueOf(tag, "vspace");
    f.alt = valueOf(tag, "alt");
    const std::optional<int> w = pixels(tag.attribute(u"width"));
    const std::optional<int> h = pixels(tag.attribute(u"height"));
    // Sizes in pixels are the panel's; a percentage or a lone width stays as written.
    f.sizeAttributes = w && h;
    if (f.sizeAttributes)
        f.size = QSize(*w, *h);
    const TagAttribute *border = tag.attribute(u"border");
    // No border attribute is what the field's "1" builds; a written border="1" is kept as
    // written, among the others.
    f.border = border ? border->value : QStringLiteral("1");
    f.others =
        f.sizeAttributes
            ? tag.others({"src", "align", "hspace", "vspace", "alt", "width", "height", "border"})
            : tag.others({"src", "align", "hspace", "vspace", "alt", "border"});
    if (border && border->value == QLatin1String("1"))
        f.others.prepend(*border);
    return f;
}

} // namespace ImageCode

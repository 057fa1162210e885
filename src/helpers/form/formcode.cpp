#include "helpers/form/formcode.h"

namespace FormCode {

namespace {

const QString Break = QStringLiteral("\n");
// The largest size or length read back; the panel's number fields take no more.
constexpr int NumberLimit = 9999;

struct InputType
{
    FormKind kind;
    const char *type;
};

constexpr InputType InputTypes[] = {
    {FormKind::Hidden, "hidden"},     {FormKind::Text, "text"},   {FormKind::Radio, "radio"},
    {FormKind::Checkbox, "checkbox"}, {FormKind::Reset, "reset"}, {FormKind::Password, "password"},
    {FormKind::Button, "button"},     {FormKind::File, "file"},   {FormKind::Image, "image"},
    {FormKind::Submit, "submit"},
};

QString typeOf(FormKind kind)
{
    for (const InputType &t : InputTypes)
        if (t.kind == kind)
            return QLatin1String(t.type);
    return {};
}

QString attribute(const FormFields &f, const char *name)
{
    return TagAttribute::build(QLatin1String(name), f.values.value(QLatin1String(name)));
}

QString options(const FormFields &f)
{
    QString text;
    if (f.tabindex)
        text += attribute(f, "tabindex");
    if (f.accesskey)
        text += attribute(f, "accesskey");
    if (f.disabled)
        text += QStringLiteral(" disabled");
    if (f.readonly)
        text += QStringLiteral(" readonly");
    return text;
}

QString number(const char *name, int value)
{
    return TagAttribute::build(QLatin1String(name), QString::number(value));
}

// One control's start tag; the text that follows it comes apart.
QString control(const FormFields &f, FormKind kind)
{
    const QString name = usesGroup(kind) ? TagAttribute::build(QStringLiteral("name"), f.group)
                                         : attribute(f, "name");
    const QString opts = options(f);
    const QString others = TagReading::othersText(f.others);
    const QString value = attribute(f, "value");
    const QString input =
        QStringLiteral("<INPUT") + name + TagAttribute::build(QStringLiteral("type"), typeOf(kind));
    switch (kind) {
    case FormKind::Hidden:
        return input + value + others + u'>';
    case FormKind::Text:
    case FormKind::Password:
        return input + (f.maxOn ? number("maxlength", f.max) : QString()) + number("size", f.size) +
               opts + value + others + u'>';
    case FormKind::Button:
    case FormKind::Radio:
    case FormKind::Checkbox:
        return input + opts + value + others + u'>';
    case FormKind::File:
        return input + number("size", f.size) + opts + value + others + u'>';
    case FormKind::Image:
        return input + attribute(f, "src") + attribute(f, "align") + opts + value + others + u'>';
    case FormKind::Submit:
    case FormKind::Reset:
        // The blank after the type is the form these buttons always had.
        return input + u' ' + opts + value + others + u'>';
    case FormKind::TextArea:
        return QStringLiteral("<TEXTAREA") + name + number("cols", f.max) + number("rows", f.size) +
               opts + others + u'>';
    case FormKind::ListBox:
        return QStringLiteral("<SELECT") + name + number("size", f.size) +
               (f.yesNo ? QStringLiteral(" multiple") : QString()) + opts + others + u'>';
    case FormKind::DropList:
        return QStringLiteral("<SELECT") + name + QStringLiteral(" size=\"1\" ") + opts + others +
               u'>';
    case FormKind::NewForm:
        break;
    }
    return {};
}

std::optional<int> numberOf(const TagAttribute *a, int largest)
{
    if (!a || !a->hasValue)
        return std::nullopt;
    bool ok = false;
    const int n = a->value.trimmed().toInt(&ok);
    return ok && n >= 1 && n <= largest ? std::optional<int>(n) : std::nullopt;
}

} // namespace

bool usesGroup(FormKind kind)
{
    return kind == FormKind::Radio || kind == FormKind::Checkbox || kind == FormKind::ListBox ||
           kind == FormKind::DropList;
}

std::optional<FormParts> build(const FormFields &f)
{
    if (!f.kind)
        return std::nullopt;
    const FormKind kind = *f.kind;
    FormParts parts;
    if (kind == FormKind::NewForm) {
        const QString method = f.values.contains(QStringLiteral("method"))
                                   ? f.values.value(QStringLiteral("method"))
                               : f.yesNo ? QStringLiteral("Get")
                                         : QStringLiteral("Post");
        parts.tag = QStringLiteral("<FORM") + attribute(f, "name") +
                    TagAttribute::build(QStringLiteral("method"), method) + attribute(f, "action") +
                    TagReading::othersText(f.others) + u'>';
        parts.start = parts.tag + Break;
        parts.end = Break + QStringLiteral("</FORM>");
        return parts;
    }
    const bool single = kind == FormKind::Image || kind == FormKind::Submit ||
                        kind == FormKind::Reset || kind == FormKind::ListBox;
    const int items = single ? 1 : std::clamp(f.items, 1, MaxItems);
    const int optionCount = std::clamp(f.max, 1, MaxItems);
    parts.tag = control(f, kind);
    QString one = parts.tag;
    if (kind == FormKind::TextArea)
        one += QStringLiteral("</TEXTAREA>");
    else if (kind == FormKind::ListBox)
        one += Break + QStringLiteral("\t<OPTION>") + Break +
               QStringLiteral("\t<OPTION>\n").repeated(optionCount - 1) +
               QStringLiteral("</SELECT>");
    else if (kind == FormKind::DropList)
        one += Break + QStringLiteral("\t<OPTION>\n").repeated(optionCount) +
               QStringLiteral("</SELECT>");
    for (int i = 0; i < items; ++i) {
        parts.start += one;
        if (i + 1 < items)
            parts.start += (kind == FormKind::Checkbox ? QStringLiteral(" ") : QString()) + Break;
    }
    return parts;
}

std::optional<FormFields> read(const FoundTag &tag)
{
    FormFields f;
    QStringList known;
    const auto keep = [&](const char *name) {
        if (const TagAttribute *a = tag.attribute(QLatin1String(name)); a && a->hasValue) {
            f.values.insert(QLatin1String(name), a->value);
            known << QLatin1String(name);
        }
    };
    const auto flag = [&](const char *name, bool &on) {
        if (const TagAttribute *a = tag.attribute(QLatin1String(name)); a && !a->hasValue) {
            on = true;
            known << QLatin1String(name);
        }
    };
    const auto readNumber = [&](const char *name, int &to, int largest) {
        if (const auto n = numberOf(tag.attribute(QLatin1String(name)), largest)) {
            to = *n;
            known << QLatin1String(name);
            return true;
        }
        return false;
    };
    if (tag.name.compare(QLatin1String("form"), Qt::CaseInsensitive) == 0) {
        f.kind = FormKind::NewForm;
        keep("name");
        keep("action");
        if (const TagAttribute *m = tag.attribute(u"method"); m && m->hasValue) {
            known << QStringLiteral("method");
            if (m->value.compare(QLatin1String("get"), Qt::CaseInsensitive) == 0)
                f.yesNo = true;
            else if (m->value.compare(QLatin1String("post"), Qt::CaseInsensitive) != 0)
                f.values.insert(QStringLiteral("method"), m->value);
        }
    } else if (tag.name.compare(QLatin1String("input"), Qt::CaseInsensitive) == 0) {
        const TagAttribute *type = tag.attribute(u"type");
        const QString typeText = type ? type->value.trimmed() : QStringLiteral("text");
        for (const InputType &t : InputTypes)
            if (typeText.compare(QLatin1String(t.type), Qt::CaseInsensitive) == 0)
                f.kind = t.kind;
        if (!f.kind)
            return std::nullopt;
        if (type)
            known << QStringLiteral("type");
        keep("value");
        if (*f.kind == FormKind::Image) {
            keep("src");
            keep("align");
        }
        if (*f.kind == FormKind::Text || *f.kind == FormKind::Password)
            f.maxOn = readNumber("maxlength", f.max, NumberLimit);
        if (*f.kind == FormKind::Text || *f.kind == FormKind::Password || *f.kind == FormKind::File)
            readNumber("size", f.size, NumberLimit);
    } else if (tag.name.compare(QLatin1String("select"), Qt::CaseInsensitive) == 0) {
        flag("multiple", f.yesNo);
        const TagAttribute *size = tag.attribute(u"size");
        if (!f.yesNo && size && size->value.trimmed() == QLatin1String("1")) {
            f.kind = FormKind::DropList;
            known << QStringLiteral("size");
        } else {
            f.kind = FormKind::ListBox;
            readNumber("size", f.size, NumberLimit);
        }
    } else if (tag.name.compare(QLatin1String("textarea"), Qt::CaseInsensitive) == 0) {
        f.kind = FormKind::TextArea;
        readNumber("cols", f.max, NumberLimit);
        readNumber("rows", f.size, NumberLimit);
    } else {
        return std::nullopt;
    }
    if (*f.kind != FormKind::NewForm) {
        if (const TagAttribute *name = tag.attribute(u"name"); name && name->hasValue) {
            if (usesGroup(*f.kind))
                f.group = name->value;
            else
                f.values.insert(QStringLiteral("name"), name->value);
            known << QStringLiteral("name");
        }
        flag("disabled", f.disabled);
        flag("readonly", f.readonly);
        // Written with a value only; a bare one stays as it was.
        if (const TagAttribute *a = tag.attribute(u"tabindex"); a && a->hasValue) {
            f.tabindex = true;
            keep("tabindex");
        }
        if (const TagAttribute *a = tag.attribute(u"accesskey"); a && a->hasValue) {
            f.accesskey = true;
            keep("accesskey");
        }
    }
    for (const TagAttribute &a : tag.attributes)
        if (!known.contains(a.name, Qt::CaseInsensitive) || tag.attribute(a.name) != &a)
            f.others.append(a);
    return f;
}

} // namespace FormCode

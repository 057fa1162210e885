#include "markup/quickcode.h"

#include "base/settingsfile.h"

#include <algorithm>
#include <span>

namespace QuickCode {

namespace {

const QString CrLf = QStringLiteral("\r\n");

struct Attribute
{
    const BoolKey &key;
    const char *text;
};

// The attribute each boolean quick option adds, per group, in the order they are written.
const Attribute FrameSetAttributes[] = {
    {Keys::FsRows, " rows=\"\""},
    {Keys::FsCols, " cols=\"\""},
    {Keys::FsBorder, " border=\"\""},
    {Keys::FsFrameSpacing, " framespacing=\"\""},
    {Keys::FsFrameBorder, " frameborder=\"\""},
    {Keys::FsBorderColor, " bordercolor=\"\""},
};
const Attribute FrameAttributes[] = {
    {Keys::FMarginWidth, " marginwidth=\"\""},
    {Keys::FMarginHeight, " marginheight=\"\""},
    {Keys::FNoResize, " noresize"},
    {Keys::FScrolling, " scrolling=\"\""},
    {Keys::FFrameSpacing, " framespacing=\"\""},
    {Keys::FFrameBorder, " frameborder=\"\""},
    {Keys::FfBorderColor, " bordercolor=\"\""},
};
const Attribute FloatingFrameAttributes[] = {
    {Keys::IfAlign, " align=\"\""},
    {Keys::IfWidth, " width=\"\""},
    {Keys::IfHeight, " height=\"\""},
    {Keys::IfHSpace, " hspace=\"\""},
    {Keys::IfVSpace, " vspace=\"\""},
    {Keys::IfScrolling, " scrolling=\"\""},
    {Keys::IfBorder, " border=\"\""},
    {Keys::IfFrameBorder, " frameborder=\"\""},
    {Keys::IfBorderColor, " bordercolor=\"\""},
};
const Attribute TableAttributes[] = {
    {Keys::TBgColor, " bgcolor=\"\""},     {Keys::TWidth, " width=\"\""},
    {Keys::THeight, " height=\"\""},       {Keys::TAlign, " align=\"\""},
    {Keys::TVAlign, " valign=\"\""},       {Keys::TSpacing, " cellspacing=\"\""},
    {Keys::TPadding, " cellpadding=\"\""}, {Keys::TBorder, " border=\"\""},
};
const Attribute RowAttributes[] = {
    {Keys::RBgColor, " bgcolor=\"\""},
    {Keys::RAlign, " align=\"\""},
    {Keys::RVAlign, " valign=\"\""},
};
const Attribute CellAttributes[] = {
    {Keys::DBgColor, " bgcolor=\"\""}, {Keys::DWidth, " width=\"\""},
    {Keys::DHeight, " height=\"\""},   {Keys::DAlign, " align=\"\""},
    {Keys::DVAlign, " valign=\"\""},   {Keys::DNoWrap, " nowrap"},
    {Keys::DColSpan, " colspan=\"\""}, {Keys::DRowSpan, " rowspan=\"\""},
};
const Attribute ImageAttributes[] = {
    {Keys::IAlign, " align=\"\""},   {Keys::IWidth, " width=\"\""},
    {Keys::IHeight, " height=\"\""}, {Keys::IHSpace, " hspace=\"\""},
    {Keys::IVSpace, " vspace=\"\""}, {Keys::IUseMap, " usemap"},
    {Keys::IIsMap, " ismap"},        {Keys::IBorder, " border=\"\""},
    {Keys::IAlt, " alt=\"\""},
};

// The font options are switched on by an empty key.
struct FontAttribute
{
    const TextKey &key;
    const char *text;
};
const FontAttribute FontAttributes[] = {
    {Keys::FontFace, " face=\"\""},
    {Keys::FontColor, " color=\"\""},
    {Keys::FontSize, " size=\"\""},
};

// The most pieces one count may ask for.
constexpr int MaxRepeat = 1000;

QString switchedOn(const SettingsFile &settings, std::span<const Attribute> table)
{
    QString out;
    for (const Attribute &a : table)
        if (settings.read(a.key))
            out += QLatin1String(a.text);
    return out;
}

QString linkTarget(const SettingsFile &settings)
{
    const QString target = settings.read(Keys::Target);
    if (target.isEmpty())
        return {};
    if (target == QLatin1String("null"))
        return QStringLiteral(" target=\"\"");
    return QStringLiteral(" target=\"") + target + u'"';
}

bool on(const SettingsFile &settings, const TextKey &key)
{
    return !settings.read(key).isEmpty();
}

int countOrOne(int given, const SettingsFile &settings, const IntKey &key)
{
    const int count = given != 0 ? given : settings.read(key);
    return count > 0 ? repeatCount(count) : 1;
}

} // namespace

QString attributes(const SettingsFile &settings, AttributeGroup group)
{
    switch (group) {
    case AttributeGroup::FrameSet:
        return switchedOn(settings, FrameSetAttributes);
    case AttributeGroup::Frame:
        return switchedOn(settings, FrameAttributes);
    case AttributeGroup::FloatingFrame:
        return switchedOn(settings, FloatingFrameAttributes);
    case AttributeGroup::Table:
        return switchedOn(settings, TableAttributes);
    case AttributeGroup::Row:
        return switchedOn(settings, RowAttributes);
    case AttributeGroup::Cell:
        return switchedOn(settings, CellAttributes);
    case AttributeGroup::Image:
        return switchedOn(settings, ImageAttributes);
    case AttributeGroup::Font: {
        QString out;
        for (const FontAttribute &a : FontAttributes)
            if (!on(settings, a.key))
                out += QLatin1String(a.text);
        return out;
    }
    case AttributeGroup::Link:
        return linkTarget(settings);
    }
    return {};
}

int repeatCount(int count)
{
    return std::clamp(count, 0, MaxRepeat);
}

QString frameTag(const SettingsFile &settings)
{
    return QStringLiteral("<FRAME name=\"\" src=\"\"") +
           attributes(settings, AttributeGroup::Frame) + u'>';
}

QString iframeTag(const SettingsFile &settings)
{
    return QStringLiteral("<IFRAME name=\"\" src=\"\"") +
           attributes(settings, AttributeGroup::FloatingFrame) + u'>';
}

QString tableTag(const SettingsFile &settings, bool withOptions)
{
    return QStringLiteral("<TABLE") +
           (withOptions ? attributes(settings, AttributeGroup::Table) : QString()) + u'>';
}

QString captionLine(const SettingsFile &settings)
{
    return settings.read(Keys::QCaption) == QLatin1String("sure")
               ? QStringLiteral("\r\n<CAPTION></CAPTION>")
               : QString();
}

QString rowTag(const SettingsFile &settings, bool withOptions)
{
    return QStringLiteral("<TR") +
           (withOptions ? attributes(settings, AttributeGroup::Row) : QString()) + u'>';
}

QString cellTag(const SettingsFile &settings, const char *name, bool withOptions)
{
    return u'<' + QLatin1String(name) +
           (withOptions ? attributes(settings, AttributeGroup::Cell) : QString()) + u'>';
}

QString cellEnd(const SettingsFile &settings, const char *name)
{
    return on(settings, Keys::CloseTd) ? QStringLiteral("</") + QLatin1String(name) + u'>'
                                       : QString();
}

QString rowEnd(const SettingsFile &settings)
{
    return on(settings, Keys::CloseTr) ? QStringLiteral("</TR>") : QString();
}

QString itemEnd(const SettingsFile &settings)
{
    return on(settings, Keys::CloseLi) ? QStringLiteral("</LI>") : QString();
}

QString listStart(const SettingsFile &settings, ListKind kind)
{
    const char *name = kind == ListKind::Ordered ? "OL" : kind == ListKind::Unordered ? "UL" : "DL";
    return u'<' + QLatin1String(name) +
           (settings.read(Keys::LCompact) ? QStringLiteral(" compact") : QString()) + u'>';
}

QString listEnd(ListKind kind)
{
    switch (kind) {
    case ListKind::Ordered:
        return QStringLiteral("</OL>");
    case ListKind::Unordered:
        return QStringLiteral("</UL>");
    case ListKind::Definition:
        break;
    }
    return QStringLiteral("</DL>");
}

QString frameSet(const SettingsFile &settings)
{
    QString out =
        QStringLiteral("<FRAMESET") + attributes(settings, AttributeGroup::FrameSet) + u'>';
    const QString frame = CrLf + u'\t' + frameTag(settings);
    for (int i = repeatCount(settings.read(Keys::FfItems)); i > 0; --i)
        out += frame;
    if (settings.read(Keys::FsNoFrame))
        out += QStringLiteral("\r\n<NOFRAMES></NOFRAMES>");
    return out + QStringLiteral("\r\n</FRAMESET>");
}

QString form(const SettingsFile &settings)
{
    struct Field
    {
        const IntKey &count;
        const char *text;
    };
    // The single-line fields end with a blank before the line break.
    static const Field Fields[] = {
        {Keys::QfHidden, "\t<INPUT type=\"hidden\" name=\"\" value=\"\"> \r\n"},
        {Keys::QfEdit, "\t<INPUT type=\"text\" name=\"\" value=\"\"> \r\n"},
        {Keys::QfRadio, "\t<INPUT type=\"radio\" name=\"\" value=\"\"> \r\n"},
        {Keys::QfCheck, "\t<INPUT type=\"checkbox\" name=\"\" value=\"\"> \r\n"},
        {Keys::QfListBox, "\t<SELECT name=\"\">\r\n"
                          "\t  <OPTION>\r\n\t  <OPTION>\r\n\t  <OPTION>\r\n\t</SELECT>\r\n"},
        {Keys::QfDropList, "\t<SELECT name=\"\" size=\"3\">\r\n"
                           "\t  <OPTION>\r\n\t  <OPTION>\r\n\t  <OPTION>\r\n\t</SELECT>\r\n"},
    };
    QString out = QStringLiteral("<FORM method=\"POST\" action=\"\">\r\n");
    for (const Field &f : Fields)
        for (int i = repeatCount(settings.read(f.count)); i > 0; --i)
            out += QLatin1String(f.text);
    if (!on(settings, Keys::QfTextArea))
        out += QStringLiteral("\t<TEXTAREA name=\"\" cols=\"35\" rows=\"7\"></TEXTAREA>\r\n");
    return out + QStringLiteral("\t<INPUT type=\"submit\" value=\"\">\r\n"
                                "\t<INPUT type=\"reset\" value=\"\">\r\n"
                                "</FORM>");
}

QString table(const SettingsFile &settings, int rows, int cells)
{
    rows = countOrOne(rows, settings, Keys::QRow);
    cells = countOrOne(cells, settings, Keys::QCell);
    const QString cell = u'\t' + cellTag(settings, "TD", true) + cellEnd(settings, "TD") + CrLf;
    const QString rowEndLine =
        on(settings, Keys::CloseTr) ? QStringLiteral("</TR>\r\n") : QString();
    QString row = rowTag(settings, true) + CrLf;
    for (int c = 0; c < cells; ++c)
        row += cell;
    row += rowEndLine;

    QString out = tableTag(settings, true) + captionLine(settings) + CrLf;
    for (int r = 0; r < rows; ++r)
        out += row;
    return out + QStringLiteral("</TABLE>");
}

QString list(const SettingsFile &settings, ListKind kind, int items)
{
    items = countOrOne(items, settings, Keys::QLItem);
    QString item;
    if (kind == ListKind::Definition)
        item = QStringLiteral("<DT>\r\n\t<DD>");
    else
        item = QStringLiteral("<LI>") + itemEnd(settings);
    QString out = listStart(settings, kind) + CrLf;
    const QString line = u'\t' + item + CrLf;
    for (int i = 0; i < items; ++i)
        out += line;
    return out + listEnd(kind);
}

QString embeddedStyleSheet(const SettingsFile &settings)
{
    QString out = QStringLiteral("<STYLE type=\"text/css\">\r\n<!--\r\n");
    if (on(settings, Keys::StyImport))
        out += QStringLiteral("@import url()\r\n");
    const QString rule = QStringLiteral(" { : }") +
                         (on(settings, Keys::StyComments) ? QStringLiteral(" /**/") : QString()) +
                         CrLf;
    for (int i = repeatCount(settings.read(Keys::StyItems)); i > 0; --i)
        out += rule;
    return out + QStringLiteral("-->\r\n</STYLE>");
}

} // namespace QuickCode

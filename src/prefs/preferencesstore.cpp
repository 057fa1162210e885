#include "prefs/preferencesstore.h"

#include "base/editingoptions.h"
#include "base/programcommand.h"
#include "base/settingsfile.h"
#include "files/filedialogstate.h"

#include <QFileInfo>

#include <algorithm>

namespace {

using K = PrefKind;
using P = PrefPage;

constexpr PrefField make(const char *control, P page, const char *group, const char *caption,
                         K kind, const char *section, const char *key)
{
    PrefField f{};
    f.control = control;
    f.page = page;
    f.group = group;
    f.caption = caption;
    f.kind = kind;
    f.section = section;
    f.key = key;
    return f;
}

// A check box over a text switch.
constexpr PrefField tick(const char *control, P page, const char *group, const char *caption,
                         K kind, TextKey key, const char *text, bool initial = false,
                         bool onceSaved = false)
{
    PrefField f = make(control, page, group, caption, kind, key.section, key.name);
    f.text = text;
    f.initial = initial ? 1 : 0;
    f.onceSaved = onceSaved;
    return f;
}

constexpr PrefField boolean(const char *control, P page, const char *group, const char *caption,
                            BoolKey key)
{
    PrefField f = make(control, page, group, caption, K::Boolean, key.section, key.name);
    f.defaultBool = key.def;
    f.initial = key.def ? 1 : 0;
    return f;
}

// A spin field; `after` is the label to its right. The initial value is also the default
// of a missing key.
constexpr PrefField number(const char *control, P page, const char *group, const char *caption,
                           const char *after, IntKey key, int initial, int lower, int upper = 0,
                           bool onceSaved = false)
{
    PrefField f = make(control, page, group, caption, K::Number, key.section, key.name);
    f.text = after;
    f.initial = initial;
    f.lower = lower;
    f.upper = upper;
    f.onceSaved = onceSaved;
    return f;
}

constexpr PrefField text(const char *control, P page, const char *group, const char *caption,
                         TextKey key)
{
    PrefField f = make(control, page, group, caption, K::Text, key.section, key.name);
    f.text = key.def;
    return f;
}

constexpr PrefField program(const char *control, P page, const char *group, const char *caption,
                            TextKey key, const char *message, const char *nameKey = "")
{
    PrefField f = make(control, page, group, caption, K::ProgramPath, key.section, key.name);
    f.message = message;
    f.nameKey = nameKey;
    return f;
}

constexpr PrefField choice(const char *control, P page, const char *group, TextKey key,
                           std::span<const PrefChoice> choices, int initial, int otherValue,
                           const char *governs = "", bool onceSaved = false)
{
    PrefField f = make(control, page, group, "", K::Choice, key.section, key.name);
    f.choices = choices;
    f.initial = initial;
    f.lower = otherValue;
    f.governs = governs;
    f.onceSaved = onceSaved;
    return f;
}

constexpr PrefField colourRow(const char *control, const char *caption, TagCategory category,
                              const char *textButton, const char *backButton)
{
    PrefField f =
        make(control, P::Editor, "Tag colours", caption, K::ColourRow, Sections::Editor, "");
    f.category = category;
    f.textButton = textButton;
    f.backButton = backButton;
    return f;
}

constexpr PrefChoice targets[] = {
    {"radTargetNull", "\"\"", "null"},       {"radTargetBlank", "\"_blank\"", "_blank"},
    {"radTargetSelf", "\"_self\"", "_self"}, {"radTargetParent", "\"_parent\"", "_parent"},
    {"radTargetTop", "\"_top\"", "_top"},    {"radTargetNone", "Don't Use", ""},
};
// The first radio starts the browser named below with the page's address.
constexpr PrefChoice primaryModes[] = {{"dde1", "start this program", ""},
                                       {"dde2", "use file association", "no"}};
constexpr PrefChoice secondaryModes[] = {{"dde3", "start this program", ""},
                                         {"dde4", "use file association", "no"}};

constexpr PrefChoice letterCases[] = {{"radTagCaseTable", "as the commands write them", "table"},
                                      {"radTagCaseLower", "lower case", "lower"},
                                      {"radTagCaseUpper", "UPPER CASE", "upper"}};

// Without "tagcase" the older "ucase" decides.
int unstoredLetterCase(const SettingsFile &settings)
{
    return EditingOptions(settings).tagCase() == TagCase::Upper ? 2 : 0;
}

constexpr PrefField letterCase()
{
    PrefField f =
        choice("tagcase", P::Editor, "Tag letter case:", Keys::TagCase, letterCases, 0, 0);
    f.unstored = unstoredLetterCase;
    return f;
}

constexpr const char *Remember = "Remember positions:";
constexpr const char *Table = "<TABLE>";
constexpr const char *Row = "<TR>";
constexpr const char *Cell = "<TD>";
constexpr const char *Counts = "number to insert";
constexpr const char *Font = "Font";
constexpr const char *Target = "Link Target";
constexpr const char *Image = "Image";
constexpr const char *FormItems = "Form Items to Insert";
constexpr const char *Stylesheet = "Embedded Stylesheet";
constexpr const char *Lists = "Lists";
constexpr const char *Frameset = "Frameset";
constexpr const char *Frame = "Frame";
constexpr const char *Iframe = "Iframe";
constexpr const char *Primary = "Your primary WWW browser is:";
constexpr const char *Secondary = "Your secondary WWW browser is:";
constexpr const char *Helpers = "Helper programs";
constexpr const char *Folders = "Locations";
constexpr const char *Switches = "";

// Save order: the dialog writes the rows top to bottom and stops at the first program path
// that names no file, so everything above the browsers is always written.
constexpr PrefField table[] = {
    boolean("chkFullPath", P::General, Switches, "Full path in caption bar", Keys::FullPath),
    boolean("chkreopen", P::General, Switches, "Reopen the documents of the last session",
            Keys::Reopen),
    boolean("chkrecovery", P::General, Switches, "Keep unsaved changes safe from a crash",
            Keys::Recovery),
    boolean("chkspellcheckon", P::Editor, Switches, "Default Live Spellcheck on", Keys::SpellCheck),
    boolean("chkgutteron", P::Editor, Switches, "Default gutter on", Keys::GutterOn),
    boolean("chkpagecheck", P::Editor, Switches, "Check the page as you type", Keys::PageCheck),
    boolean("chkpagecheckaccess", P::Editor, Switches,
            "Warn of images without alt text and unlabelled form controls", Keys::PageCheckAccess),
    boolean("chkcurline", P::Editor, Switches, "Current line background", Keys::CurLine),
    text("previewexts", P::Hidden, "", "", Keys::PreviewExts),
    // The letter case choice stands in for "ucase", which is kept as it is.
    boolean("chkucasetags", P::Hidden, "", "", Keys::UCase),
    letterCase(),
    boolean("chkapostrophe", P::Editor, Switches,
            "use apostrophe ( ' ) instead of quote ( \" ) to wrap tag parameters",
            Keys::Apostrophe),

    boolean("chkFsrows", P::Quick3, Frameset, "rows", Keys::FsRows),
    boolean("chkfscols", P::Quick3, Frameset, "cols", Keys::FsCols),
    boolean("chkfsborder", P::Quick3, Frameset, "border", Keys::FsBorder),
    boolean("chkfsbordercolor", P::Quick3, Frameset, "border color", Keys::FsBorderColor),
    boolean("chkfsframeborder", P::Quick3, Frameset, "frame border", Keys::FsFrameBorder),
    boolean("chkfsframespacing", P::Quick3, Frameset, "frame spacing", Keys::FsFrameSpacing),
    boolean("chkFsnoframe", P::Quick3, Frameset, "NOFRAME", Keys::FsNoFrame),
    boolean("chkfmarginwidth", P::Quick3, Frame, "margin width", Keys::FMarginWidth),
    boolean("chkfmarginheight", P::Quick3, Frame, "margin height", Keys::FMarginHeight),
    boolean("chkfnoresize", P::Quick3, Frame, "noresize", Keys::FNoResize),
    boolean("chkfscrolling", P::Quick3, Frame, "scrolling", Keys::FScrolling),
    boolean("chkfframeborder", P::Quick3, Frame, "frame border", Keys::FFrameBorder),
    boolean("chkfframespacing", P::Quick3, Frame, "frame spacing", Keys::FFrameSpacing),
    boolean("chkfbordercolor", P::Quick3, Frame, "border color", Keys::FfBorderColor),
    boolean("fname", P::Hidden, "", "", Keys::FName),
    boolean("fsrc", P::Hidden, "", "", Keys::FSrc),
    boolean("chkifalign", P::Quick3, Iframe, "align", Keys::IfAlign),
    boolean("chkifwidth", P::Quick3, Iframe, "width", Keys::IfWidth),
    boolean("chkifheight", P::Quick3, Iframe, "height", Keys::IfHeight),
    boolean("chkifhspace", P::Quick3, Iframe, "hspace", Keys::IfHSpace),
    boolean("chkifvspace", P::Quick3, Iframe, "vspace", Keys::IfVSpace),
    boolean("chkifscrolling", P::Quick3, Iframe, "scrolling", Keys::IfScrolling),
    boolean("chkifborder", P::Quick3, Iframe, "border", Keys::IfBorder),
    boolean("chkifframeborder", P::Quick3, Iframe, "frame border", Keys::IfFrameBorder),
    boolean("chkifbordercolor", P::Quick3, Iframe, "border color", Keys::IfBorderColor),
    boolean("ifname", P::Hidden, "", "", Keys::IfName),
    boolean("ifsrc", P::Hidden, "", "", Keys::IfSrc),
    number("txtFfitems", P::Quick3, Frameset, "# items", "to insert", Keys::FfItems, 1, 1),
    boolean("chkcompact", P::Quick2, Lists, "compact", Keys::LCompact),

    make("OSfilters", P::General, "Open/Save Dialog Filters", "", K::FilterList,
         Keys::YourFiles.section, Keys::YourFiles.name),

    boolean("chkiwidth", P::Quick2, Image, "width", Keys::IWidth),
    boolean("chkiheight", P::Quick2, Image, "height", Keys::IHeight),
    boolean("chkialign", P::Quick2, Image, "align", Keys::IAlign),
    boolean("chkihspace", P::Quick2, Image, "hspace", Keys::IHSpace),
    boolean("chkivspace", P::Quick2, Image, "vspace", Keys::IVSpace),
    boolean("chkiusemap", P::Quick2, Image, "usemap", Keys::IUseMap),
    boolean("chkiismap", P::Quick2, Image, "ismap", Keys::IIsMap),
    boolean("chkiborder", P::Quick2, Image, "border", Keys::IBorder),
    boolean("chkialt", P::Quick2, Image, "alt", Keys::IAlt),
    boolean("chktbgcolor", P::Quick1, Table, "bgcolor", Keys::TBgColor),
    boolean("chktwidth", P::Quick1, Table, "width", Keys::TWidth),
    boolean("chktheight", P::Quick1, Table, "height", Keys::THeight),
    boolean("chktalign", P::Quick1, Table, "align", Keys::TAlign),
    boolean("chktvalign", P::Quick1, Table, "valign", Keys::TVAlign),
    boolean("chktspacing", P::Quick1, Table, "cellspacing", Keys::TSpacing),
    boolean("chktpadding", P::Quick1, Table, "cellpadding", Keys::TPadding),
    boolean("chktborder", P::Quick1, Table, "border", Keys::TBorder),
    boolean("chkrbgcolor", P::Quick1, Row, "bgcolor", Keys::RBgColor),
    boolean("chkralign", P::Quick1, Row, "align", Keys::RAlign),
    boolean("chkrvalign", P::Quick1, Row, "valign", Keys::RVAlign),
    boolean("chkdbgcolor", P::Quick1, Cell, "bgcolor", Keys::DBgColor),
    boolean("chkdwidth", P::Quick1, Cell, "width", Keys::DWidth),
    boolean("chkdheight", P::Quick1, Cell, "height", Keys::DHeight),
    boolean("chkdalign", P::Quick1, Cell, "align", Keys::DAlign),
    boolean("chkdvalign", P::Quick1, Cell, "valign", Keys::DVAlign),
    boolean("chkdnowrap", P::Quick1, Cell, "nowrap", Keys::DNoWrap),
    boolean("chkdcolspan", P::Quick1, Cell, "colspan", Keys::DColSpan),
    boolean("chkdrowspan", P::Quick1, Cell, "rowspan", Keys::DRowSpan),
    text("cboLocData", P::Locations, Folders, "Data Files", Keys::DataFolder),
    text("cboLocBody", P::Locations, Folders, "Body Helper Image Files", Keys::BodyFolder),
    text("cboLocImage", P::Locations, Folders, "Image Helper Image Files", Keys::ImageFolder),
    text("href", P::Hidden, "", "", Keys::HrefFolder),

    tick("qcaption", P::Quick1, Table, "<Caption>", K::TickedWhenEquals, Keys::QCaption, "sure",
         false, true),
    number("qrow", P::Quick1, Counts, "Rows", "", Keys::QRow, 1, 1, 0, true),
    number("qcell", P::Quick1, Counts, "Data Cells", "", Keys::QCell, 1, 1, 0, true),
    tick("endli", P::Quick2, Lists, "</LI>", K::TickedWhenSet, Keys::CloseLi, "nope", true, true),
    tick("closetr", P::Quick1, Row, "</TR>", K::TickedWhenSet, Keys::CloseTr, "nope", true, true),
    tick("closetd", P::Quick1, Cell, "</TD>", K::TickedWhenSet, Keys::CloseTd, "nope", true, true),
    number("qlitem", P::Quick2, Lists, "# items", "to insert", Keys::QLItem, 1, 1, 0, true),
    number("qrf", P::General, "Recent Files", "number", "to show", Keys::Qrf, 9, 1, 15, true),
    number("qfhidden", P::Quick2, FormItems, "hidden", "", Keys::QfHidden, 1, 0, 0, true),
    number("qfedit", P::Quick2, FormItems, "text field", "", Keys::QfEdit, 1, 0, 0, true),
    number("qfradio", P::Quick2, FormItems, "radio button", "", Keys::QfRadio, 1, 0, 0, true),
    number("qfcheck", P::Quick2, FormItems, "check box", "", Keys::QfCheck, 1, 0, 0, true),
    number("qflistbox", P::Quick2, FormItems, "listbox item", "", Keys::QfListBox, 1, 0, 0, true),
    number("qfdroplist", P::Quick2, FormItems, "droplist item", "", Keys::QfDropList, 1, 0, 0,
           true),
    tick("qftextarea", P::Quick2, FormItems, "text area", K::TickedWhenEmpty, Keys::QfTextArea,
         "nope", true, true),
    tick("chkFontFace", P::Quick2, Font, "Face", K::TickedWhenEmpty, Keys::FontFace, "nope", false,
         true),
    tick("chkFontColor", P::Quick2, Font, "Color", K::TickedWhenEmpty, Keys::FontColor, "nope",
         false, true),
    tick("chkFontSize", P::Quick2, Font, "Size", K::TickedWhenEmpty, Keys::FontSize, "nope", true,
         true),
    tick("chkStyImport", P::Quick2, Stylesheet, "@import url()", K::TickedWhenSet, Keys::StyImport,
         "yes", false, true),
    tick("chkStyComments", P::Quick2, Stylesheet, "Comments", K::TickedWhenSet, Keys::StyComments,
         "yes", false, true),
    number("styItems", P::Quick2, Stylesheet, "# of rules", "to insert", Keys::StyItems, 1, 1, 0,
           true),
    choice("target", P::Quick2, Target, Keys::Target, targets, -1, -1, "", true),

    tick("newcheck", P::General, Switches, "\"New\" button opens default template",
         K::TickedWhenSet, Keys::NewT, "nope"),
    tick("blankdoccheck", P::General, Switches, "Start with new doc", K::TickedWhenEmpty,
         Keys::StartNew, "no"),
    tick("wordwrapcheck", P::Editor, Switches, "Default wordwrap on", K::TickedWhenEmpty,
         Keys::StartWW, "no"),
    tick("tabtopcheck", P::General, Switches, "Tabs at top of editor", K::TickedWhenEquals,
         Keys::TabLoc, "top"),

    tick("autoindent", P::Editor, Switches, "Autoindent on ENTER", K::TickedWhenSet,
         Keys::AutoIndent, "sure"),
    tick("popupcheck", P::Editor, Switches, "Popup URL hints", K::TickedWhenEmpty, Keys::Pop, "no",
         true),
    tick("ctrlbbox", P::Editor, Switches, "ctrl+b inserts <STRONG></STRONG>", K::TickedWhenSet,
         Keys::CtrlB, "strong"),
    tick("ctrlibox", P::Editor, Switches, "ctrl+i inserts <EM></EM>", K::TickedWhenSet, Keys::CtrlI,
         "em"),

    number("tabsedit", P::Editor, "Layout", "Tab width:", "(in spaces)", Keys::TabWidth, 5, 1),
    number("marginedit", P::Editor, "Layout", "Lft Margin:", "", Keys::Margin, 4, 0),
    number("rtmarginedit", P::Editor, "Layout", "Rt Margin:", "", Keys::RightMargin, 4, 0),
    // The document window's own default caret is 1; the dialog offers 2.
    number("caretedit", P::Editor, "Layout", "Caret size:", "", Keys::CaretWidth, 2, 1),
    colourRow("colortagcheck", "General", TagCategory::General, "colorbox1", "colorboxback"),
    colourRow("urltagcheck", "URLs", TagCategory::Links, "urlbox", "urlboxback"),
    colourRow("tabletagcheck", "Tables", TagCategory::Tables, "tablebox", "tableboxback"),
    colourRow("imgtagcheck", "IMGs", TagCategory::Images, "imgbox", "imgboxback"),
    colourRow("commenttagcheck", "Comments", TagCategory::Comments, "commentbox", "commentboxback"),
    colourRow("scripttagcheck", "Scripts", TagCategory::Scripts, "scriptbox", "scriptboxback"),
    colourRow("listtagcheck", "Lists", TagCategory::Lists, "listbox", "listboxback"),
    colourRow("formtagcheck", "Forms", TagCategory::Forms, "formbox", "formboxback"),
    colourRow("frametagcheck", "Frames", TagCategory::Frames, "framebox", "frameboxback"),
    colourRow("chkStyle", "Style", TagCategory::Styles, "stylbox", "stylboxback"),

    tick("remembermain", P::General, Remember, "application", K::TickedWhenSet, Keys::RestoreMain,
         "ok"),
    tick("rememberhelpers", P::General, Remember, "helpers", K::TickedWhenSet, Keys::RestoreHelpers,
         "ok"),
    tick("spaces", P::Hidden, "", "", K::TickedWhenEmpty, Keys::Spaces, "no", true),
    tick("amptags", P::Hidden, "", "", K::TickedWhenEmpty, Keys::AmpTags, "no", true),
    tick("htmlcheck", P::General, Switches, "Save with HTML ext", K::TickedWhenSet, Keys::DefExt,
         "html"),
    tick("comeback", P::General, Switches, "Use Return Icon when running external programs",
         K::TickedWhenEmpty, Keys::Back, "no"),
    tick("flatbutcheck", P::General, Switches, "Flat toolbar buttons", K::TickedWhenSet, Keys::Flat,
         "yes"),
    choice("browsermode1", P::Quick1, Primary, Keys::Dde, primaryModes, 0, 0, "browsertext"),
    choice("browsermode2", P::Quick1, Secondary, Keys::Dde2, secondaryModes, 0, 0, "browser2text"),

    program("browsertext", P::Quick1, Primary, "", Keys::Browser,
            "Your Primary Browser path/filename is invalid"),
    program("browser2text", P::Quick1, Secondary, "", Keys::Browser2,
            "Your Secondary Browser path/filename is invalid"),

    program("f2text", P::HelperApps, Helpers, "F2", Keys::HelperPaths[0],
            "Your F2 Helper path/filename is invalid", Keys::HelperNames[0].name),
    program("f3text", P::HelperApps, Helpers, "F3", Keys::HelperPaths[1],
            "Your F3 Helper path/filename is invalid", Keys::HelperNames[1].name),
    program("f4text", P::HelperApps, Helpers, "F4", Keys::HelperPaths[2],
            "Your F4 Helper path/filename is invalid", Keys::HelperNames[2].name),
    program("f5text", P::HelperApps, Helpers, "F5", Keys::HelperPaths[3],
            "Your F5 Helper path/filename is invalid", Keys::HelperNames[3].name),
    program("f6text", P::HelperApps, Helpers, "F6", Keys::HelperPaths[4],
            "Your F6 Helper path/filename is invalid", Keys::HelperNames[4].name),
    program("f7text", P::HelperApps, Helpers, "F7", Keys::HelperPaths[5],
            "Your F7 Helper path/filename is invalid", Keys::HelperNames[5].name),
    program("f8text", P::HelperApps, Helpers, "F8", Keys::HelperPaths[6],
            "Your F8 Helper path/filename is invalid", Keys::HelperNames[6].name),
};

} // namespace

std::span<const PrefField> PreferencesStore::fields()
{
    return table;
}

const PrefField *PreferencesStore::field(const QString &control)
{
    for (const PrefField &f : table)
        if (control == QLatin1String(f.control))
            return &f;
    return nullptr;
}

QList<FilterRow> PreferencesStore::resetFilters()
{
    return {{QStringLiteral("Quillmark files"), QStringLiteral("*.htm*,*.qpj")},
            {QStringLiteral("HTML files"), QStringLiteral("*.htm*")},
            {QStringLiteral("Project files"), QStringLiteral("*.qpj")},
            {QStringLiteral("All files"), QStringLiteral("*.*")},
            {},
            {}};
}

QList<FilterRow> PreferencesStore::filterRows(QString stored)
{
    stored.replace(u';', u',');
    const QStringList parts = stored.split(u'|');
    QList<FilterRow> rows;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        FilterRow row{parts[i], parts.value(i + 1)};
        if (!row.description.isEmpty() || !row.patterns.isEmpty())
            rows << row;
    }
    // The grid always offers room for a few more; a longer list keeps all of its entries.
    while (rows.size() < FilterRowCount)
        rows << FilterRow{};
    return rows;
}

QString PreferencesStore::filterText(const QList<FilterRow> &rows)
{
    QString out;
    for (FilterRow row : rows) {
        // "|" separates the entries in the stored text; inside a cell it would split it.
        row.description.remove(u'|');
        row.patterns.remove(u'|');
        if (!row.description.isEmpty() || !row.patterns.isEmpty())
            out += row.description + u'|' + row.patterns + u'|';
    }
    return out.replace(u',', u';');
}

QString PreferencesStore::unquoted(QString path)
{
    if (path.startsWith(u'"'))
        path.remove(0, 1);
    if (path.endsWith(u'"'))
        path.chop(1);
    return path;
}

PreferencesStore::PreferencesStore(SettingsFile &settings)
    : m_settings(settings),
      m_fileExists([](const QString &path) { return QFileInfo(path).isFile(); })
{
}

PreferenceValues PreferencesStore::initialValues()
{
    PreferenceValues v;
    for (const PrefField &f : table) {
        const QString name = QLatin1String(f.control);
        switch (f.kind) {
        case K::TickedWhenSet:
        case K::TickedWhenEmpty:
        case K::TickedWhenEquals:
        case K::Boolean:
            v.ticks[name] = f.initial != 0;
            break;
        case K::Number:
            v.numbers[name] = f.initial;
            break;
        case K::Text:
        case K::ProgramPath:
            v.texts[name] = QLatin1String(f.text);
            break;
        case K::Choice:
            v.choices[name] = f.initial;
            break;
        case K::ColourRow:
            v.colours[name] = ColourRowValue{};
            break;
        case K::FilterList:
            v.filters = filterRows(QString());
            break;
        }
    }
    return v;
}

PreferenceValues PreferencesStore::load() const
{
    // One parse of the file for every control.
    SettingsFile::Batch snapshot(m_settings);
    PreferenceValues values = initialValues();
    const bool savedBefore = m_settings.read(Keys::QRow) != 0;
    for (const PrefField &f : table)
        if (!f.onceSaved || savedBefore)
            loadField(f, values);
    return values;
}

void PreferencesStore::loadField(const PrefField &f, PreferenceValues &v) const
{
    const QString name = QLatin1String(f.control);
    const QString section = QLatin1String(f.section);
    const QString key = QLatin1String(f.key);
    switch (f.kind) {
    case K::TickedWhenSet:
        v.ticks[name] = !m_settings.readString(section, key).isEmpty();
        break;
    case K::TickedWhenEmpty:
        v.ticks[name] = m_settings.readString(section, key).isEmpty();
        break;
    case K::TickedWhenEquals:
        v.ticks[name] = m_settings.readString(section, key) == QLatin1String(f.text);
        break;
    case K::Boolean:
        v.ticks[name] = m_settings.readBool(section, key, f.defaultBool);
        break;
    case K::Number: {
        int n = std::max(m_settings.readInt(section, key, f.initial), f.lower);
        if (f.upper > 0)
            n = std::min(n, f.upper);
        v.numbers[name] = n;
        break;
    }
    case K::Text:
    case K::ProgramPath:
        v.texts[name] = m_settings.readString(section, key, QLatin1String(f.text));
        break;
    case K::Choice: {
        const QString stored = m_settings.readString(section, key);
        int index = f.unstored ? f.unstored(m_settings) : f.lower;
        for (int i = 0; i < int(f.choices.size()); ++i)
            if (stored == QLatin1String(f.choices[std::size_t(i)].value))
                index = i;
        v.choices[name] = index;
        break;
    }
    case K::ColourRow: {
        const TagCategoryInfo &c = tagCategory(f.category);
        ColourRowValue row;
        if (!m_settings.readString(c.foreground.section, c.foreground.name).isEmpty()) {
            row.text = m_settings.readInt(c.foreground.section, c.foreground.name, row.text);
            row.on = true;
        }
        if (!m_settings.readString(c.background.section, c.background.name).isEmpty()) {
            row.back = m_settings.readInt(c.background.section, c.background.name, row.back);
            row.on = true;
        }
        v.colours[name] = row;
        break;
    }
    case K::FilterList: {
        QString stored = m_settings.readString(section, key);
        if (stored.isEmpty())
            stored = FileDialogState::OpenFilter;
        v.filters = filterRows(stored);
        break;
    }
    }
}

QString PreferencesStore::existingDataFolder() const
{
    const QString data = m_settings.read(Keys::DataFolder);
    return !data.isEmpty() && QFileInfo(data).isDir() ? data : QString();
}

// A browser started by file association does not use its greyed path, so a stale one there
// must not block the save.
bool PreferencesStore::unusedPath(const PrefField &f, const PreferenceValues &v)
{
    for (const PrefField &g : table) {
        if (g.kind != K::Choice || QLatin1String(g.governs) != QLatin1String(f.control))
            continue;
        const int index = v.choices.value(QLatin1String(g.control), -1);
        return index >= 0 && index < int(g.choices.size()) &&
               QLatin1String(g.choices[std::size_t(index)].value) == u"no";
    }
    return false;
}

bool PreferencesStore::writeFormDefaults()
{
    SettingsFile::Batch batch(m_settings);
    const PreferenceValues initial = initialValues();
    for (const PrefField &f : table)
        if (f.onceSaved && !saveField(f, initial).isEmpty())
            return false;
    return batch.commit();
}

PreferencesStore::SaveResult PreferencesStore::save(const PreferenceValues &values)
{
    // One replacement of the file for the whole save; a stopped save keeps what came before.
    SettingsFile::Batch batch(m_settings);
    for (const PrefField &f : table) {
        const QString stopped = saveField(f, values);
        if (!stopped.isEmpty()) {
            // What came before the stop is written; a failure to write it matters more.
            if (!batch.commit())
                return {m_settings.lastError(), QString()};
            return {stopped, QLatin1String(f.control)};
        }
    }
    if (!batch.commit())
        return {m_settings.lastError(), QString()};
    return {};
}

QString PreferencesStore::saveField(const PrefField &f, const PreferenceValues &v)
{
    const QString name = QLatin1String(f.control);
    const QString section = QLatin1String(f.section);
    const QString key = QLatin1String(f.key);
    const QString text = QLatin1String(f.text);
    const bool ticked = v.ticks.value(name);
    bool written = true;
    switch (f.kind) {
    case K::TickedWhenSet:
    case K::TickedWhenEquals:
        written = m_settings.writeString(section, key, ticked ? text : QString());
        break;
    case K::TickedWhenEmpty:
        written = m_settings.writeString(section, key, ticked ? QString() : text);
        break;
    case K::Boolean:
        written = m_settings.writeBool(section, key, ticked);
        break;
    case K::Number:
        written = m_settings.writeInt(section, key, v.numbers.value(name, f.initial));
        break;
    case K::Text:
        written = m_settings.writeString(section, key, v.texts.value(name));
        break;
    case K::ProgramPath: {
        const QString path = v.texts.value(name);
        if (*f.nameKey && path != m_settings.readString(section, key))
            written = m_settings.writeString(section, QLatin1String(f.nameKey), QString());
        // A program may come with arguments; the program itself must exist.
        if (!path.isEmpty() && !unusedPath(f, v) &&
            !m_fileExists(ProgramCommand::parse(path, m_fileExists).program))
            return QLatin1String(f.message);
        written = m_settings.writeString(section, key, path) && written;
        break;
    }
    case K::Choice: {
        const int index = v.choices.value(name, -1);
        // With no radio chosen the key keeps whatever it holds.
        if (index >= 0 && index < int(f.choices.size()))
            written = m_settings.writeString(section, key,
                                             QLatin1String(f.choices[std::size_t(index)].value));
        break;
    }
    case K::ColourRow: {
        const TagCategoryInfo &c = tagCategory(f.category);
        const ColourRowValue row = v.colours.value(name);
        if (row.on) {
            written = m_settings.write(c.foreground, row.text);
            written = m_settings.write(c.background, row.back) && written;
        } else {
            written = m_settings.writeString(c.foreground.section, c.foreground.name, QString());
            written = m_settings.writeString(c.background.section, c.background.name, QString()) &&
                      written;
        }
        break;
    }
    case K::FilterList:
        written = m_settings.writeString(section, key, filterText(v.filters));
        break;
    }
    // A settings file that cannot be written stops the save like a wrong path does, so the
    // dialog does not close as if the preferences had been kept.
    return written ? QString() : m_settings.lastError();
}

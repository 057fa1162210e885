#include "spelling/wordscanner.h"

#include <array>

namespace {

// Where a line's scan stands, packed into the int a line hands to the next: the mode in the
// low four bits, then the phase inside a tag, whether the attribute value is one to check,
// the kind of tag and whether it is an end tag.
enum class Mode { Text, Tag, Comment, Script, Style, Processing };
enum class Phase { Name, Space, AttrName, AfterName, BeforeValue, Double, Single, Unquoted };
enum class Kind { Other, Script, Style };

struct State
{
    Mode mode = Mode::Text;
    Phase phase = Phase::Name;
    bool checked = false;
    Kind kind = Kind::Other;
    bool closing = false;

    static State unpack(int s)
    {
        State st;
        st.mode = Mode(s & 0xF);
        st.phase = Phase((s >> 4) & 0xF);
        st.checked = (s >> 8) & 1;
        st.kind = Kind((s >> 9) & 3);
        st.closing = (s >> 11) & 1;
        return st;
    }
    int pack() const
    {
        return int(mode) | int(phase) << 4 | int(checked) << 8 | int(kind) << 9 |
               int(closing) << 11;
    }
};

constexpr char16_t RightQuote = 0x2019;

// Latin-1's named entities from U+00A0 on, in code order.
constexpr std::array<const char *, 96> Latin1Names = {
    "nbsp",   "iexcl",  "cent",   "pound",  "curren", "yen",    "brvbar", "sect",   "uml",
    "copy",   "ordf",   "laquo",  "not",    "shy",    "reg",    "macr",   "deg",    "plusmn",
    "sup2",   "sup3",   "acute",  "micro",  "para",   "middot", "cedil",  "sup1",   "ordm",
    "raquo",  "frac14", "frac12", "frac34", "iquest", "Agrave", "Aacute", "Acirc",  "Atilde",
    "Auml",   "Aring",  "AElig",  "Ccedil", "Egrave", "Eacute", "Ecirc",  "Euml",   "Igrave",
    "Iacute", "Icirc",  "Iuml",   "ETH",    "Ntilde", "Ograve", "Oacute", "Ocirc",  "Otilde",
    "Ouml",   "times",  "Oslash", "Ugrave", "Uacute", "Ucirc",  "Uuml",   "Yacute", "THORN",
    "szlig",  "agrave", "aacute", "acirc",  "atilde", "auml",   "aring",  "aelig",  "ccedil",
    "egrave", "eacute", "ecirc",  "euml",   "igrave", "iacute", "icirc",  "iuml",   "eth",
    "ntilde", "ograve", "oacute", "ocirc",  "otilde", "ouml",   "divide", "oslash", "ugrave",
    "uacute", "ucirc",  "uuml",   "yacute", "thorn",  "yuml"};

struct NamedChar
{
    const char *name;
    char16_t c;
};
constexpr NamedChar OtherNames[] = {
    {"apos", u'\''},  {"rsquo", RightQuote}, {"OElig", 0x152},
    {"oelig", 0x153}, {"Scaron", 0x160},     {"scaron", 0x161},
    {"Yuml", 0x178},  {"Zcaron", 0x17D},     {"zcaron", 0x17E},
};

bool isApostrophe(QChar c)
{
    return c == u'\'' || c == QChar(RightQuote);
}

bool isSpace(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\f';
}

bool isAsciiLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool startsWithCi(QStringView text, qsizetype at, QLatin1StringView what)
{
    return text.size() - at >= what.size() &&
           text.sliced(at, what.size()).compare(what, Qt::CaseInsensitive) == 0;
}

// The code point at `at` and how many units it takes.
char32_t codePointAt(QStringView text, qsizetype at, int *units)
{
    const QChar c = text[at];
    if (c.isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate()) {
        *units = 2;
        return QChar::surrogateToUcs4(c, text[at + 1]);
    }
    *units = 1;
    return c.unicode();
}

bool isLetterOrMark(char32_t c)
{
    return QChar::isLetter(c) || QChar::isMark(c);
}

} // namespace

QChar WordScanner::entityLetter(QStringView entity)
{
    if (entity.size() < 3 || entity.front() != u'&' || entity.back() != u';')
        return {};
    const QStringView name = entity.sliced(1, entity.size() - 2);
    char32_t code = 0;
    if (name.front() == u'#') {
        bool ok = false;
        const bool hex = name.size() > 1 && (name[1] == u'x' || name[1] == u'X');
        const uint value = name.sliced(hex ? 2 : 1).toUInt(&ok, hex ? 16 : 10);
        if (!ok || value > 0xFFFF)
            return {};
        code = value;
    } else {
        for (std::size_t i = 0; i < Latin1Names.size() && !code; ++i)
            if (name == QLatin1StringView(Latin1Names[i]))
                code = char32_t(0xA0 + i);
        for (const NamedChar &n : OtherNames)
            if (!code && name == QLatin1StringView(n.name))
                code = n.c;
    }
    const QChar c(char16_t(code & 0xFFFF));
    if (code && (isLetterOrMark(code) || isApostrophe(c)))
        return c;
    return {};
}

// Scans the plain text of one stretch of a line (text between tags, or a value to check):
// words, entities and Internet addresses.
struct WordScanner::Run
{
    QStringView line;
    qsizetype end;
    const SpellingScope &scope;
    QList<FoundWord> *words;

    // The length of the entity at `at`, or 0 when none stands there. An entity is the
    // character it stands for whether or not markup is checked: "&eacute;" is never the word
    // "eacute".
    qsizetype entityLength(qsizetype at) const
    {
        if (line[at] != u'&')
            return 0;
        for (qsizetype i = at + 1; i < end && i - at <= 10; ++i) {
            const QChar c = line[i];
            if (c == u';')
                return i - at > 1 ? i - at + 1 : 0;
            if (!c.isLetterOrNumber() && c != u'#')
                return 0;
        }
        return 0;
    }

    QChar entityAt(qsizetype at, qsizetype *length) const
    {
        *length = entityLength(at);
        return *length ? WordScanner::entityLetter(line.sliced(at, *length)) : QChar();
    }

    bool startsAddress(qsizetype at) const
    {
        static const QLatin1StringView prefixes[] = {
            QLatin1StringView("http://"), QLatin1StringView("https://"),
            QLatin1StringView("ftp://"),  QLatin1StringView("file://"),
            QLatin1StringView("mailto:"), QLatin1StringView("news:"),
            QLatin1StringView("www."),
        };
        for (const QLatin1StringView &p : prefixes)
            if (startsWithCi(line.first(end), at, p))
                return true;
        return false;
    }

    // A mail address: name characters, '@' and a letter or digit.
    bool startsMailAddress(qsizetype at) const
    {
        qsizetype i = at;
        while (i < end && (line[i].isLetterOrNumber() || QStringView(u"._-+%").contains(line[i])))
            ++i;
        return i > at && i + 1 < end && line[i] == u'@' && line[i + 1].isLetterOrNumber();
    }

    qsizetype addressEnd(qsizetype at) const
    {
        while (at < end) {
            const QChar c = line[at];
            if (isSpace(c) || c == u'<' || c == u'>' || c == u'"' || c == u'\'')
                break;
            ++at;
        }
        return at;
    }

    // A word, a name or a number from `at`, which holds a letter, a digit or a letter entity.
    // Returns where it ends; appends it when it is a word to check.
    qsizetype token(qsizetype at)
    {
        const qsizetype start = at;
        bool decoded = false;
        bool skipped = false;
        QString text;
        qsizetype i = at;
        while (i < end) {
            int units = 1;
            const char32_t c = codePointAt(line, i, &units);
            if (isLetterOrMark(c)) {
                i += units;
                continue;
            }
            if (QChar::isDigit(c) || c == U'_') {
                skipped = true;
                i += units;
                continue;
            }
            qsizetype length = 0;
            const QChar entity = entityAt(i, &length);
            if (!entity.isNull() && !isApostrophe(entity)) {
                decoded = true;
                i += length;
                continue;
            }
            // An apostrophe belongs to a word only between two of its letters.
            const bool apostrophe = isApostrophe(QChar(char16_t(c))) || isApostrophe(entity);
            const qsizetype after = i + (length ? length : 1);
            if (apostrophe && i > start && after < end) {
                qsizetype nextLength = 0;
                int nextUnits = 1;
                const bool letterFollows = isLetterOrMark(codePointAt(line, after, &nextUnits)) ||
                                           (!entityAt(after, &nextLength).isNull() &&
                                            !isApostrophe(entityAt(after, &nextLength)));
                if (letterFollows) {
                    decoded = decoded || length;
                    i = after;
                    continue;
                }
            }
            break;
        }
        if (scope.skipInternet && startsWithCi(line.first(end), i, QLatin1StringView("://")))
            return addressEnd(i);
        if (skipped || !words)
            return i;
        // A letter written as an entity on its own is a character, not a word to check.
        qsizetype lone = 0;
        if (decoded && !entityAt(start, &lone).isNull() && start + lone == i)
            return i;
        if (decoded) {
            for (qsizetype k = start; k < i;) {
                qsizetype length = 0;
                const QChar e = entityAt(k, &length);
                if (!e.isNull()) {
                    text += e;
                    k += length;
                } else {
                    text += line[k++];
                }
            }
        } else {
            text = line.sliced(start, i - start).toString();
        }
        words->append({start, i - start, std::move(text)});
        return i;
    }

    void scan(qsizetype at)
    {
        while (at < end) {
            if (scope.skipInternet && line[at].isLetterOrNumber() &&
                (startsAddress(at) || startsMailAddress(at))) {
                at = addressEnd(at);
                continue;
            }
            int units = 1;
            const char32_t c = codePointAt(line, at, &units);
            if (isLetterOrMark(c) || QChar::isDigit(c) || c == U'_') {
                at = token(at);
                continue;
            }
            qsizetype length = 0;
            const QChar entity = entityAt(at, &length);
            if (!entity.isNull() && !isApostrophe(entity)) {
                at = token(at);
                continue;
            }
            at += length ? length : units;
        }
    }
};

int WordScanner::scanLine(QStringView line, int state, QList<FoundWord> &words) const
{
    return scan(line, state, &words);
}

int WordScanner::endState(QStringView line, int state) const
{
    return scan(line, state, nullptr);
}

QList<FoundWord> WordScanner::words(QStringView text) const
{
    QList<FoundWord> result;
    QList<FoundWord> lineWords;
    int state = StartState;
    qsizetype start = 0;
    while (start <= text.size()) {
        qsizetype end = start;
        while (end < text.size() && text[end] != u'\n' && text[end] != u'\r')
            ++end;
        lineWords.clear();
        state = scanLine(text.sliced(start, end - start), state, lineWords);
        for (FoundWord &w : lineWords) {
            w.start += start;
            result.append(std::move(w));
        }
        if (end >= text.size())
            break;
        start =
            end + (text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n' ? 2 : 1);
    }
    return result;
}

int WordScanner::scan(QStringView line, int packed, QList<FoundWord> *words) const
{
    if (!m_scope.skipHtml) {
        Run{line, line.size(), m_scope, words}.scan(0);
        return StartState;
    }
    State st = State::unpack(packed);
    const qsizetype size = line.size();
    qsizetype i = 0;
    qsizetype nameStart = -1;

    // The end of a script or style start tag opens its block.
    const auto closeTag = [&st] {
        const Kind kind = st.kind;
        const bool opensBlock = !st.closing && kind != Kind::Other;
        st = State();
        if (opensBlock)
            st.mode = kind == Kind::Script ? Mode::Script : Mode::Style;
    };
    const auto finishName = [&](qsizetype end) {
        if (nameStart >= 0) {
            const QStringView name = line.sliced(nameStart, end - nameStart);
            if (name.compare(QLatin1StringView("script"), Qt::CaseInsensitive) == 0)
                st.kind = Kind::Script;
            else if (name.compare(QLatin1StringView("style"), Qt::CaseInsensitive) == 0)
                st.kind = Kind::Style;
        }
        nameStart = -1;
        st.phase = Phase::Space;
    };
    const auto finishAttribute = [&](qsizetype end, Phase next) {
        if (nameStart >= 0) {
            const QStringView name = line.sliced(nameStart, end - nameStart);
            st.checked = name.compare(QLatin1StringView("alt"), Qt::CaseInsensitive) == 0 ||
                         name.compare(QLatin1StringView("title"), Qt::CaseInsensitive) == 0;
        }
        nameStart = -1;
        st.phase = next;
    };
    const auto checkRun = [&](qsizetype from, qsizetype to) {
        if (st.checked)
            Run{line, to, m_scope, words}.scan(from);
    };

    while (i < size) {
        const QChar c = line[i];
        switch (st.mode) {
        case Mode::Text: {
            // The next '<' that opens markup; any other '<' is text.
            qsizetype m = i;
            for (; m < size; ++m) {
                if (line[m] != u'<' || m + 1 >= size)
                    continue;
                const QChar n = line[m + 1];
                if (isAsciiLetter(n) || n == u'!' || n == u'?' ||
                    (n == u'/' && m + 2 < size && isAsciiLetter(line[m + 2])))
                    break;
            }
            Run{line, m, m_scope, words}.scan(i);
            if (m >= size) {
                i = size;
                break;
            }
            const QChar n = line[m + 1];
            if (n == u'!' && startsWithCi(line, m, QLatin1StringView("<!--"))) {
                st.mode = Mode::Comment;
                i = m + 4;
            } else if (n == u'?') {
                st.mode = Mode::Processing;
                i = m + 2;
            } else {
                st = State();
                st.mode = Mode::Tag;
                st.closing = n == u'/';
                i = m + (st.closing || n == u'!' ? 2 : 1);
                nameStart = i;
            }
            break;
        }
        case Mode::Comment:
        case Mode::Processing: {
            const bool comment = st.mode == Mode::Comment;
            const qsizetype e = line.indexOf(comment ? u"-->" : u"?>", i);
            if (e < 0) {
                i = size;
            } else {
                st = State();
                i = e + (comment ? 3 : 2);
            }
            break;
        }
        case Mode::Script:
        case Mode::Style: {
            const qsizetype e = line.indexOf(st.mode == Mode::Script ? u"</script" : u"</style", i,
                                             Qt::CaseInsensitive);
            if (e < 0) {
                i = size;
            } else {
                st = State();
                i = e;
            }
            break;
        }
        case Mode::Tag:
            switch (st.phase) {
            case Phase::Name:
                if (c.isLetterOrNumber() || c == u'-' || c == u':' || c == u'_' || c == u'.') {
                    if (nameStart < 0)
                        nameStart = i;
                    ++i;
                } else {
                    finishName(i);
                }
                break;
            case Phase::Space:
                if (c == u'>') {
                    closeTag();
                } else if (!isSpace(c) && c != u'/') {
                    st.phase = Phase::AttrName;
                    st.checked = false;
                    nameStart = i;
                }
                ++i;
                break;
            case Phase::AttrName:
                if (isSpace(c) || c == u'=' || c == u'>' || c == u'/') {
                    if (nameStart < 0)
                        nameStart = i;
                    finishAttribute(i, c == u'=' ? Phase::BeforeValue : Phase::AfterName);
                    if (c == u'>')
                        closeTag();
                    else if (c == u'/')
                        st.phase = Phase::Space;
                }
                ++i;
                break;
            case Phase::AfterName:
                if (c == u'=') {
                    st.phase = Phase::BeforeValue;
                    ++i;
                } else if (c == u'>') {
                    closeTag();
                    ++i;
                } else if (isSpace(c)) {
                    ++i;
                } else {
                    st.phase = Phase::Space; // a new attribute starts here
                    st.checked = false;
                }
                break;
            case Phase::BeforeValue:
                if (c == u'"' || c == u'\'') {
                    st.phase = c == u'"' ? Phase::Double : Phase::Single;
                    ++i;
                } else if (c == u'>') {
                    closeTag();
                    ++i;
                } else if (isSpace(c)) {
                    ++i;
                } else {
                    st.phase = Phase::Unquoted;
                }
                break;
            case Phase::Double:
            case Phase::Single: {
                const qsizetype q = line.indexOf(st.phase == Phase::Double ? u'"' : u'\'', i);
                const qsizetype to = q < 0 ? size : q;
                checkRun(i, to);
                if (q < 0) {
                    i = size;
                } else {
                    st.phase = Phase::Space;
                    st.checked = false;
                    i = q + 1;
                }
                break;
            }
            case Phase::Unquoted: {
                qsizetype to = i;
                while (to < size && !isSpace(line[to]) && line[to] != u'>')
                    ++to;
                checkRun(i, to);
                i = to;
                if (i < size) {
                    st.phase = Phase::Space;
                    st.checked = false;
                }
                break;
            }
            }
            break;
        }
    }
    // Names end at the line's end; a value without quotes does too.
    if (st.mode == Mode::Tag) {
        if (st.phase == Phase::Name)
            finishName(size);
        else if (st.phase == Phase::AttrName)
            finishAttribute(size, Phase::AfterName);
        else if (st.phase == Phase::Unquoted) {
            st.phase = Phase::Space;
            st.checked = false;
        }
    }
    return st.pack();
}

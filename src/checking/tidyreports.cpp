#include "checking/tidyreports.h"

#include "checking/textplaces.h"
#include "checking/tidymemory.h"
#include "checking/tidymessages.h"

#include <tidy/tidy.h>
#include <tidy/tidybuffio.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// Where libtidy put in an element of its own ("inserting implicit <b>"): a reopened inline
// element, whose missing end tags are echoes of the first one. A large page with an element
// left open has hundreds of thousands; the name is short enough to need no allocation.
struct Inserted
{
    int line;
    int column;
    std::string element;

    friend auto operator<=>(const Inserted &, const Inserted &) = default;
};

struct Report
{
    unsigned code;
    int line;
    int column;
    TidyReportLevel level;
    QByteArrayList arguments;
    QByteArray message;
};

struct Collected
{
    QList<Report> reports;
    std::vector<Inserted> inserted;
};

// The first argument of a report, libtidy's name of the element it is about.
const char *firstArgument(TidyMessage message)
{
    TidyIterator at = tidyGetMessageArguments(message);
    if (!at)
        return "";
    TidyMessageArgument argument = tidyGetNextMessageArgument(message, &at);
    return tidyGetArgType(message, &argument) == tidyFormatType_STRING
               ? tidyGetArgValueString(message, &argument)
               : "";
}

QByteArrayList argumentsOf(TidyMessage message)
{
    QByteArrayList arguments;
    TidyIterator at = tidyGetMessageArguments(message);
    while (at) {
        TidyMessageArgument argument = tidyGetNextMessageArgument(message, &at);
        arguments << (tidyGetArgType(message, &argument) == tidyFormatType_STRING
                          ? QByteArray(tidyGetArgValueString(message, &argument))
                          : QByteArray());
    }
    return arguments;
}

// Called for every report while libtidy parses; a large page with an inline element left open
// gives hundreds of thousands, so those never shown are passed over at once.
Bool TIDY_CALL collect(TidyMessage message)
{
    auto *collected = static_cast<Collected *>(tidyGetAppData(tidyGetMessageDoc(message)));
    const unsigned code = tidyGetMessageCode(message);
    const int line = tidyGetMessageLine(message);
    const int column = tidyGetMessageColumn(message);
    if (code == INSERTING_TAG) {
        collected->inserted.push_back({line, column, firstArgument(message)});
        return no;
    }
    const TidyReportLevel level = tidyGetMessageLevel(message);
    if (level < TidyWarning || level == TidyConfig || level > TidyFatal)
        return no;
    QByteArrayList arguments = argumentsOf(message);
    if (TidyMessages::isRepairNote(code, arguments))
        return no;
    collected->reports.append(
        {code, line, column, level, std::move(arguments), QByteArray(tidyGetMessage(message))});
    return no; // nothing is printed
}

// libtidy 5.6 parses a template's content as if it stood in the page, so a valid <li> or
// <td> there is reported. The content is blanked, line breaks kept, so that the places of
// what follows stay the same; it is not checked.
QByteArray withoutTemplateContent(QStringView text, const QList<ScannedTag> &tags)
{
    qsizetype copied = 0;
    QString page;
    int depth = 0;
    qsizetype from = 0;
    for (const ScannedTag &tag : tags) {
        if (tag.name != QLatin1String("template"))
            continue;
        if (!tag.end && depth++ == 0) {
            from = tag.endOffset;
        } else if (tag.end && depth > 0 && --depth == 0) {
            page += text.mid(copied, from - copied);
            // One blank per character: a surrogate pair becomes one blank, as it was one
            // column.
            for (qsizetype i = from; i < tag.offset; ++i)
                if (text[i] == u'\n' || text[i] == u'\r')
                    page += text[i];
                else if (!text[i].isLowSurrogate())
                    page += u' ';
            copied = tag.offset;
        }
    }
    if (copied == 0)
        return text.toUtf8();
    page += text.mid(copied);
    return page.toUtf8();
}

// A </p> with no paragraph open: HTML puts in an empty paragraph there, and so does libtidy,
// which reports only that it put one in, at the end tag's place. Other end tags where libtidy
// reopens an element are echoes of a misnesting it reports already (<b><i>x</b></i>).
void addStrayParagraphEnds(QStringView text, const QList<ScannedTag> &tags,
                           const std::vector<Inserted> &inserted, QList<PageProblem> &problems)
{
    if (std::none_of(inserted.begin(), inserted.end(),
                     [](const Inserted &i) { return i.element == "p"; }))
        return;
    const TextPlaces places(text);
    for (const ScannedTag &tag : tags) {
        if (!tag.end || tag.name != QLatin1String("p"))
            continue;
        const auto place = places.at(tag.offset);
        if (std::binary_search(inserted.begin(), inserted.end(),
                               Inserted{place.line, place.column, "p"}))
            problems.append({place.line, place.column, PageProblem::Kind::Error,
                             QStringLiteral("end tag </p> closes no open element")});
    }
}

} // namespace

QList<PageProblem> tidyReports(QStringView text, const QList<ScannedTag> &tags)
{
    Collected collected;
    TidyMemory memory;
    TidyDoc doc = tidyCreateWithAllocator(&memory);
    tidySetAppData(doc, &collected);
    tidySetMessageCallback(doc, collect);
    tidyOptSetInt(doc, TidyUseCustomTags, TidyCustomBlocklevel);
    tidyOptSetInt(doc, TidyShowErrors, 1000000);
    tidyOptSetBool(doc, TidyShowWarnings, yes);
    tidyOptSetBool(doc, TidyShowInfo, no);
    tidyOptSetBool(doc, TidyQuiet, yes);
    tidyOptSetBool(doc, TidyDropEmptyElems, no);
    tidyOptSetBool(doc, TidyDropEmptyParas, no);
    // A tab is one column, as the editor and the command line count.
    tidyOptSetInt(doc, TidyTabSize, 1);
    tidySetCharEncoding(doc, "utf8");
    // HTML5 elements libtidy 5.6 does not know yet.
    tidyOptSetValue(doc, TidyInlineTags, "data slot");
    tidyOptSetValue(doc, TidyBlockTags, "search");
    // Without an error buffer libtidy prints the summary on standard error.
    TidyBuffer errors;
    tidyBufInit(&errors);
    tidySetErrorBuffer(doc, &errors);

    QByteArray utf8 = withoutTemplateContent(text, tags);
    // libtidy reads a NUL as the end of the text; a NUL is no markup, so a blank keeps the
    // columns of what follows.
    utf8.replace('\0', ' ');
    tidyParseString(doc, utf8.constData());
    tidyBufFree(&errors);
    tidyRelease(doc);

    std::sort(collected.inserted.begin(), collected.inserted.end());
    const auto wasInserted = [&](const Report &r) {
        return std::binary_search(collected.inserted.begin(), collected.inserted.end(),
                                  Inserted{r.line, r.column, r.arguments.value(0).toStdString()});
    };
    QList<PageProblem> problems;
    for (const Report &r : std::as_const(collected.reports)) {
        if ((r.code == MISSING_ENDTAG_BEFORE || r.code == MISSING_ENDTAG_FOR) && wasInserted(r))
            continue;
        const bool error = r.level == TidyError || r.level == TidyBadDocument ||
                           r.level == TidyFatal || TidyMessages::isStructural(r.code);
        problems.append(
            {qMax(1, r.line), qMax(1, r.column),
             error ? PageProblem::Kind::Error : PageProblem::Kind::Warning,
             TidyMessages::pageWording(r.code, QString::fromUtf8(r.message), r.arguments)});
    }
    addStrayParagraphEnds(text, tags, collected.inserted, problems);
    sortByPlace(problems);
    return problems;
}

#include "checking/tidyreports.h"

#include <tidy/tidy.h>
#include <tidy/tidybuffio.h>

#include <QRegularExpression>
#include <QSet>

#include <cstring>

namespace {

struct Report
{
    int line;
    int column;
    QByteArray key;
    QString message;
    TidyReportLevel level;
};

Bool TIDY_CALL collect(TidyMessage message)
{
    auto *reports = static_cast<QList<Report> *>(tidyGetAppData(tidyGetMessageDoc(message)));
    reports->append({tidyGetMessageLine(message), tidyGetMessageColumn(message),
                     QByteArray(tidyGetMessageKey(message)),
                     QString::fromUtf8(tidyGetMessage(message)), tidyGetMessageLevel(message)});
    return no; // nothing is printed
}

// Reports about libtidy's own repairs, or those the page's own scan makes better.
bool isRepairNote(const Report &r)
{
    static const QSet<QByteArray> keys = {
        "INSERTING_TAG",           "TRIM_EMPTY_ELEMENT", "CUSTOM_TAG_DETECTED",
        "MISSING_ENDTAG_OPTIONAL", "ANCHOR_NOT_UNIQUE",  "INSERTING_AUTO_ATTRIBUTE",
        "FIXED_BACKSLASH",         "ENCODING_MISMATCH",  "STRING_CONTENT_LOOKS",
    };
    if (keys.contains(r.key))
        return true;
    return r.key == "MISSING_ATTRIBUTE" && r.message.contains(QLatin1String("\"alt\""));
}

bool isStructural(const QByteArray &key)
{
    static const QSet<QByteArray> keys = {
        "MISSING_ENDTAG_FOR",      "MISSING_ENDTAG_BEFORE",
        "NON_MATCHING_ENDTAG",     "UNEXPECTED_ENDTAG",
        "UNEXPECTED_ENDTAG_IN",    "UNEXPECTED_END_OF_FILE",
        "MISSING_QUOTEMARK",       "UNEXPECTED_END_OF_FILE_ATTR",
        "SUSPECTED_MISSING_QUOTE", "UNEXPECTED_QUOTEMARK",
        "MISSING_STARTTAG",        "DISCARDING_UNEXPECTED",
        "ELEMENT_NOT_EMPTY",       "REPEATED_ATTRIBUTE",
        "UNEXPECTED_GT",           "COERCE_TO_ENDTAG",
        "BAD_CDATA_CONTENT",       "NESTED_EMPHASIS",
    };
    return keys.contains(key);
}

// The element a report is about: "<b>" or "</b>" in its text.
QString elementOf(const QString &message)
{
    static const QRegularExpression tag(QStringLiteral("</?([A-Za-z][^\\s>]*)>"));
    const auto m = tag.match(message);
    return m.hasMatch() ? m.captured(1).toLower() : QString();
}

// libtidy 5.6 words this one wrongly ("replacing unexpected i with </i>").
QString messageFor(const Report &r)
{
    if (r.key == "NON_MATCHING_ENDTAG") {
        static const QRegularExpression word(QStringLiteral("unexpected (\\S+)"));
        const auto m = word.match(r.message);
        if (m.hasMatch())
            return QStringLiteral("end tag </%1> does not match the open element")
                .arg(m.captured(1).remove(u'<').remove(u'/').remove(u'>'));
    }
    return r.message;
}

// libtidy 5.6 parses a template's content as if it stood in the page, so a valid <li> or
// <td> there is reported. The content is blanked, line breaks kept, so that the places of
// what follows stay the same; it is not checked.
QByteArray withoutTemplateContent(QStringView text, const QList<ScannedTag> &tags)
{
    QString page;
    page.reserve(text.size());
    qsizetype copied = 0;
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
    page += text.mid(copied);
    return page.toUtf8();
}

} // namespace

QList<PageProblem> tidyReports(QStringView text, const QList<ScannedTag> &tags)
{
    QList<Report> reports;
    TidyDoc doc = tidyCreate();
    tidySetAppData(doc, &reports);
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

    // "inserting implicit <b>" at a place marks a reopened element: the missing end tags
    // reported there for it are echoes of the first one.
    QSet<QString> reopened;
    for (const Report &r : reports)
        if (r.key == "INSERTING_TAG")
            reopened.insert(
                QStringLiteral("%1:%2:%3").arg(r.line).arg(r.column).arg(elementOf(r.message)));

    QList<PageProblem> problems;
    for (const Report &r : reports) {
        if (r.level < TidyWarning || r.level == TidyConfig || r.level > TidyFatal ||
            isRepairNote(r))
            continue;
        if ((r.key == "MISSING_ENDTAG_BEFORE" || r.key == "MISSING_ENDTAG_FOR") &&
            reopened.contains(
                QStringLiteral("%1:%2:%3").arg(r.line).arg(r.column).arg(elementOf(r.message))))
            continue;
        const bool error = r.level == TidyError || r.level == TidyBadDocument ||
                           r.level == TidyFatal || isStructural(r.key);
        problems.append({qMax(1, r.line), qMax(1, r.column),
                         error ? PageProblem::Kind::Error : PageProblem::Kind::Warning,
                         messageFor(r)});
    }
    sortByPlace(problems);
    return problems;
}

#include "checking/tidymessages.h"

#include <tidy/tidy.h>

namespace TidyMessages {

namespace {

QString argument(const QByteArrayList &arguments, int index)
{
    return QString::fromUtf8(arguments.value(index));
}

} // namespace

bool isRepairNote(unsigned code, const QByteArrayList &arguments)
{
    switch (code) {
    // Optional tags put in (<body>, a reopened <b>) and end tags left out where HTML allows it.
    case INSERTING_TAG:
    case MISSING_ENDTAG_OPTIONAL:
    // Changes to libtidy's own output; the page's scan reports what matters of them.
    case TRIM_EMPTY_ELEMENT:
    case INSERTING_AUTO_ATTRIBUTE:
    case ADDED_MISSING_CHARSET:
    case FIXED_BACKSLASH:
    case CUSTOM_TAG_DETECTED:
    // libtidy would escape a letter outside ASCII, which an address may hold as it is; the
    // characters an address may not hold are ILLEGAL_URI_CODEPOINT, reported beside it.
    case ESCAPED_ILLEGAL_URI:
    // Ids and anchor names are the page's own id check.
    case ANCHOR_NOT_UNIQUE:
    // libtidy's guesses about the text, not the page's problems.
    case ENCODING_MISMATCH:
    case STRING_CONTENT_LOOKS:
        return true;
    case MISSING_ATTRIBUTE:
        // The page's own check finds images without alt text, and can be switched off.
        return arguments.value(1) == "alt";
    default:
        return false;
    }
}

bool isStructural(unsigned code)
{
    switch (code) {
    case MISSING_ENDTAG_FOR:
    case MISSING_ENDTAG_BEFORE:
    case NON_MATCHING_ENDTAG:
    case UNEXPECTED_ENDTAG:
    case UNEXPECTED_ENDTAG_IN:
    case UNEXPECTED_END_OF_FILE:
    case MISSING_QUOTEMARK:
    case UNEXPECTED_END_OF_FILE_ATTR:
    case SUSPECTED_MISSING_QUOTE:
    case UNEXPECTED_QUOTEMARK:
    case MISSING_STARTTAG:
    case DISCARDING_UNEXPECTED:
    case ELEMENT_NOT_EMPTY:
    case REPEATED_ATTRIBUTE:
    case UNEXPECTED_GT:
    case COERCE_TO_ENDTAG:
    case BAD_CDATA_CONTENT:
    case NESTED_EMPHASIS:
        return true;
    default:
        return false;
    }
}

QString pageWording(unsigned code, const QString &message, const QByteArrayList &arguments)
{
    switch (code) {
    case MISSING_TITLE_ELEMENT:
        // A page needs a title: browsers show it on the tab and in bookmarks.
        return QStringLiteral("the page has no <title> element");
    case NON_MATCHING_ENDTAG:
        // libtidy 5.6 words this one wrongly ("replacing unexpected i with </i>").
        if (!arguments.isEmpty())
            return QStringLiteral("end tag </%1> does not match the open element")
                .arg(argument(arguments, 0));
        break;
    case DISCARDING_UNEXPECTED:
        if (arguments.value(0).startsWith("</"))
            return QStringLiteral("end tag %1 closes no open element").arg(argument(arguments, 0));
        if (!arguments.isEmpty())
            return QStringLiteral("unexpected %1").arg(argument(arguments, 0));
        break;
    case REPEATED_ATTRIBUTE:
        if (arguments.size() >= 3)
            return QStringLiteral("%1 has the attribute \"%2\" twice")
                .arg(argument(arguments, 0), argument(arguments, 2));
        break;
    case OBSOLETE_ELEMENT:
        if (arguments.size() >= 2)
            return QStringLiteral("%1 is obsolete: use %2")
                .arg(argument(arguments, 0), argument(arguments, 1));
        break;
    case NEWLINE_IN_URI:
        if (!arguments.isEmpty())
            return QStringLiteral("%1 address holds a line break").arg(argument(arguments, 0));
        break;
    case MALFORMED_COMMENT_DROPPING:
        return QStringLiteral("a comment must start with \"<!--\"");
    case INVALID_NCR:
    case INVALID_SGML_CHARS:
    case VENDOR_SPECIFIC_CHARS:
    case INVALID_UTF8:
    case INVALID_UTF16: {
        // "replacing invalid numeric character reference 128": the first word is the repair.
        const QString repair = argument(arguments, 0);
        if (!repair.isEmpty() && message.startsWith(repair + u' '))
            return message.mid(repair.size() + 1);
        break;
    }
    case BAD_SURROGATE_LEAD:
    case BAD_SURROGATE_PAIR:
    case BAD_SURROGATE_TAIL: {
        const qsizetype repair = message.indexOf(QLatin1String(", replaced with"));
        if (repair > 0)
            return message.left(repair);
        break;
    }
    default:
        break;
    }
    return message;
}

} // namespace TidyMessages

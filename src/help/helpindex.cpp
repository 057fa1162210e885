#include "help/helpindex.h"

#include "base/filebytes.h"

#include <QDir>
#include <QRegularExpression>

#include <algorithm>

namespace {

// A help page is a few kilobytes; anything far larger is not one of ours.
constexpr qint64 MaxPageSize = 1024 * 1024;
constexpr int TitleWeight = 10;

int occurrences(const QString &text, const QString &word)
{
    int count = 0;
    for (qsizetype at = text.indexOf(word); at >= 0; at = text.indexOf(word, at + word.size()))
        ++count;
    return count;
}

} // namespace

HelpIndex::HelpIndex(QString folder, GeneratedPages generated)
    : m_folder(std::move(folder)), m_generated(std::move(generated))
{
}

QString HelpIndex::plainText(const QString &html)
{
    static const QRegularExpression comments(QStringLiteral("<!--.*?-->"),
                                             QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression tags(QStringLiteral("<[^>]*>"));
    static const QRegularExpression numeric(QStringLiteral("&#(\\d+);"));
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    QString text = html;
    text.remove(comments);
    text.replace(tags, QStringLiteral(" "));
    QRegularExpressionMatch m;
    while ((m = numeric.match(text)).hasMatch())
        text.replace(m.capturedStart(), m.capturedLength(), QChar(m.captured(1).toInt()));
    text.replace(QLatin1String("&lt;"), QLatin1String("<"));
    text.replace(QLatin1String("&gt;"), QLatin1String(">"));
    text.replace(QLatin1String("&quot;"), QLatin1String("\""));
    text.replace(QLatin1String("&nbsp;"), QLatin1String(" "));
    text.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return text.replace(blanks, QStringLiteral(" ")).trimmed();
}

void HelpIndex::load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    const QDir folder(m_folder);
    for (const HelpPage &page : HelpPages::all()) {
        QByteArray bytes;
        QString reason;
        const QString name = QString::fromLatin1(page.file);
        if (const auto made = m_generated.constFind(name); made != m_generated.cend()) {
            m_texts << plainText((*made)()).toLower();
            continue;
        }
        if (page.generated) {
            m_texts << QString();
            continue;
        }
        if (FileBytes::read(folder.filePath(name), &bytes, &reason, MaxPageSize)) {
            m_texts << plainText(QString::fromUtf8(bytes)).toLower();
        } else {
            m_texts << QString();
            m_unreadable << name + QStringLiteral(": ") + reason;
        }
    }
}

const QStringList &HelpIndex::unreadable()
{
    load();
    return m_unreadable;
}

QList<HelpIndex::Hit> HelpIndex::search(const QString &words)
{
    load();
    const QStringList wanted = words.simplified().toLower().split(u' ', Qt::SkipEmptyParts);
    QList<Hit> hits;
    if (wanted.isEmpty())
        return hits;
    const auto pages = HelpPages::all();
    for (qsizetype i = 0; i < qsizetype(pages.size()); ++i) {
        // A generated page says what holds now, not at the first search.
        if (const auto made = m_generated.constFind(QString::fromLatin1(pages[i].file));
            made != m_generated.cend())
            m_texts[i] = plainText((*made)()).toLower();
        const QString title = QString::fromUtf8(pages[i].title).toLower();
        int score = 0;
        for (const QString &word : wanted) {
            const int found = occurrences(m_texts[i], word);
            if (found == 0) {
                score = 0;
                break;
            }
            score += found + (title.contains(word) ? TitleWeight : 0);
        }
        if (score > 0)
            hits << Hit{&pages[i], score};
    }
    std::stable_sort(hits.begin(), hits.end(),
                     [](const Hit &a, const Hit &b) { return a.score > b.score; });
    return hits;
}

// Speed of live spelling with the system's English dictionary: the first reading of a page,
// and what a keystroke costs afterwards in a small and in a 5 MB page: reading the changed
// line again and marking its words, beside the cost of the edit itself in the editor
// component (which grows with the position: the component counts the characters before
// every edit for its accessibility events). Prints figures; never fails on time.

#include "spelling/dictionaries.h"
#include "spelling/livespeller.h"
#include "spelling/spellingservice.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>
#include <Qsci/qsciscintilla.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

using Sci = QsciScintillaBase;

// Prose with markup: paragraphs with a few misspelt words, links, entities, a table, a
// comment, and now and then a script and a style block, repeated with changing numbers.
QByteArray generatePage(qint64 bytes)
{
    QByteArray page = "<!DOCTYPE html>\n<html>\n<head>\n<title>Test page</title>\n"
                      "<style>\nbody { color: #000; }\n</style>\n</head>\n<body>\n";
    for (int i = 0; page.size() < bytes; ++i) {
        const QByteArray n = QByteArray::number(i);
        page += "<h2>Section " + n +
                "</h2>\n<p>The quick brown fox jumps over the lazy dog, and the "
                "caf&eacute; down the road is open until late in the evening.\n"
                "Some wordz are mispeled on purpose, see <a href=\"page" +
                n +
                ".html\" title=\"the next page\">the next page</a> or "
                "http://www.example.com/" +
                n + ".</p>\n<!-- section " + n +
                " -->\n<table border=\"1\">\n<tr><td>first cell</td><td>second cell</td></tr>\n"
                "</table>\n<img src=\"pic" +
                n + ".gif\" alt=\"a picture of the harbour\">\n";
        if (i % 20 == 0)
            page += "<script>\nvar x = " + n +
                    "; if (x < 3) { document.write('<p>'); }\n"
                    "</script>\n";
    }
    return page + "</body>\n</html>\n";
}

struct Document
{
    QsciScintilla editor;
    LiveSpeller *speller = new LiveSpeller(&editor);

    Document(const QByteArray &page, SpellingService &service)
    {
        editor.SendScintilla(Sci::SCI_SETCODEPAGE, Sci::SC_CP_UTF8);
        editor.SendScintilla(Sci::SCI_APPENDTEXT, page.size(), page.constData());
        speller->setChecker(&service);
        speller->setScope({true, true});
        speller->setActive(true);
    }
    qint64 send(unsigned int m, unsigned long w = 0, long l = 0)
    {
        return editor.SendScintilla(m, w, l);
    }
};

double megabytes(qint64 bytes)
{
    return static_cast<double>(bytes) / 1e6;
}

void firstReading(const QByteArray &page, SpellingService &service)
{
    Document doc(page, service);
    QElapsedTimer t;
    t.start();
    doc.speller->flush();
    std::printf("first reading, %5.2f MB page:          %8.1f ms (%lld lines)\n",
                megabytes(page.size()), t.nsecsElapsed() / 1e6,
                static_cast<long long>(doc.speller->linesRead()));
}

struct Figures
{
    std::vector<double> ms;
    double mean() const
    {
        double sum = 0;
        for (double v : ms)
            sum += v;
        return sum / double(ms.size());
    }
    double median() { return sorted()[ms.size() / 2]; }
    double worst() { return sorted().back(); }
    const std::vector<double> &sorted()
    {
        std::sort(ms.begin(), ms.end());
        return ms;
    }
};

// Typing a letter into a word, then taking it out again, near the start or in the middle of
// the page: the edit itself (Scintilla's work) and the live spelling work that follows it.
void keystrokes(const QByteArray &page, SpellingService &service, bool middle)
{
    Document doc(page, service);
    doc.speller->flush();
    // Into a word of a text line, so that the word goes wrong and right again.
    qsizetype found = middle ? page.indexOf("Some wordz", page.size() / 2) : -1;
    if (found < 0)
        found = page.indexOf("Some wordz");
    const qint64 at = found + 1;
    constexpr int edits = 400;
    Figures edit, spelling;
    const qint64 linesBefore = doc.speller->linesRead();
    for (int i = 0; i < edits / 2; ++i) {
        for (bool insert : {true, false}) {
            QElapsedTimer t;
            t.start();
            if (insert)
                doc.editor.SendScintilla(Sci::SCI_INSERTTEXT, at, "x");
            else
                doc.send(Sci::SCI_DELETERANGE, at, 1);
            const qint64 edited = t.nsecsElapsed();
            doc.speller->flush();
            edit.ms.push_back(edited / 1e6);
            spelling.ms.push_back((t.nsecsElapsed() - edited) / 1e6);
        }
    }
    std::printf("keystroke %s a %5.2f MB page: live spelling %6.4f ms mean, %6.4f median, "
                "%6.4f worst (%.1f lines read); the edit itself %7.3f ms mean\n",
                middle ? "in the middle of" : "near the start of", megabytes(page.size()),
                spelling.mean(), spelling.median(), spelling.worst(),
                double(doc.speller->linesRead() - linesBefore) / edits, edit.mean());
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir home;
    SpellingService service(home.filePath(QStringLiteral("addict.cfg")),
                            Dictionaries::systemFolders());
    QString error;
    if (!service.setLanguage(QStringLiteral("en_US"), &error)) {
        std::printf("live spelling benchmark skipped: %s\n", qPrintable(error));
        return 0;
    }
    std::printf("live spelling with the %s dictionary, %d cores\n", qPrintable(service.language()),
                QThread::idealThreadCount());
    const QByteArray big = generatePage(5'000'000);
    const QByteArray small = big.left(5'000);
    firstReading(big, service);
    for (bool middle : {false, true}) {
        keystrokes(small, service, middle);
        keystrokes(big, service, middle);
    }
    return 0;
}

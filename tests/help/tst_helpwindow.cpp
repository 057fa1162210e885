#include "help/helpwindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QtTest>

namespace {

const QString Shipped = QStringLiteral(QM_SOURCE_DATA_DIR "/help");

QTreeWidgetItem *contentsEntry(QTreeWidget *tree, const QString &title)
{
    const QList<QTreeWidgetItem *> found =
        tree->findItems(title, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.first();
}

void writePage(const QString &path, const QByteArray &html)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(html);
}

} // namespace

class TestHelpWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void topicsOpenTheirPagesAndUnknownOnesTheContents()
    {
        HelpWindow help(Shipped);
        help.showTopic(20);
        QVERIFY(help.isVisible());
        QCOMPARE(help.currentPage(), QStringLiteral("imagehelper.html"));
        QCOMPARE(help.contents()->currentItem()->text(0), QStringLiteral("Image Helper"));
        help.showTopic(999);
        QCOMPARE(help.currentPage(), QStringLiteral("index.html"));
        QCOMPARE(help.tabs()->currentWidget(), help.contents());
    }

    // A click on an entry of the contents shows its page; Back returns to the one before.
    void contentsAreClickedThrough()
    {
        HelpWindow help(Shipped);
        help.showContents();
        QVERIFY(QTest::qWaitForWindowExposed(&help));
        QTreeWidget *tree = help.contents();
        QTreeWidgetItem *entry = contentsEntry(tree, QStringLiteral("Find and replace"));
        QVERIFY(entry);
        tree->scrollToItem(entry);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                          tree->visualItemRect(entry).center());
        QCOMPARE(help.currentPage(), QStringLiteral("findreplace.html"));
        auto *back = help.findChild<QAbstractButton *>(QStringLiteral("back"));
        QTRY_VERIFY(back->isEnabled());
        QTest::mouseClick(back, Qt::LeftButton);
        QCOMPARE(help.currentPage(), QStringLiteral("index.html"));
    }

    // A click on the Search tab puts the keyboard in its field: words typed there and Enter
    // list the pages that hold them; a click on one shows it with the first word selected.
    void searchIsTypedAndItsResultsOpened()
    {
        HelpWindow help(Shipped);
        help.showContents();
        QVERIFY(QTest::qWaitForWindowActive(&help));
        QTabBar *bar = help.tabs()->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
        QTRY_VERIFY(help.searchField()->hasFocus());
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("hspace"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QListWidget *results = help.results();
        QVERIFY(results->count() >= 1);
        QCOMPARE(results->item(0)->text(), QStringLiteral("Image Helper"));
        QTest::mouseClick(results->viewport(), Qt::LeftButton, {},
                          results->visualItemRect(results->item(0)).center());
        QCOMPARE(help.currentPage(), QStringLiteral("imagehelper.html"));
        QCOMPARE(help.browser()->textCursor().selectedText().toLower(), QStringLiteral("hspace"));

        help.searchField()->clear();
        QTest::keyClicks(help.searchField(), QStringLiteral("hspace zyxwvut"));
        QTest::keyClick(help.searchField(), Qt::Key_Return);
        QCOMPARE(results->count(), 1);
        QVERIFY(results->item(0)->text().startsWith(QLatin1String("No page holds")));
        QCOMPARE(results->item(0)->flags(), Qt::NoItemFlags);
    }

    // Esc closes the window, from the page or from the contents; the next request shows it
    // again.
    void escapeCloses()
    {
        HelpWindow help(Shipped);
        help.showTopic(20);
        QVERIFY(QTest::qWaitForWindowActive(&help));
        help.browser()->setFocus();
        QTest::keyClick(help.browser(), Qt::Key_Escape);
        QVERIFY(!help.isVisible());
        help.showContents();
        QVERIFY(QTest::qWaitForWindowActive(&help));
        help.contents()->setFocus();
        QTest::keyClick(help.contents(), Qt::Key_Escape);
        QVERIFY(!help.isVisible());
    }

    // A missing page says which file and why; a link leaving the help folder goes nowhere.
    void missingPagesAndForeignLinks()
    {
        QTemporaryDir root;
        QVERIFY(QDir(root.path()).mkdir(QStringLiteral("help")));
        const QDir dir(root.filePath(QStringLiteral("help")));
        writePage(dir.filePath("index.html"),
                  "<title>Quillmark Help</title><p><a href=\"toolbar.html\">bar</a> "
                  "<a href=\"../outside.html\">out</a> <a href=\"http://example.org/\">web</a>");
        writePage(root.filePath("outside.html"), "<p>outside</p>");
        HelpWindow help(dir.path());
        help.showTopic(34);
        QCOMPARE(help.currentPage(), QString());
        QVERIFY(help.browser()->toPlainText().contains(dir.filePath("toolbar.html")));
        help.showContents();
        QCOMPARE(help.currentPage(), QStringLiteral("index.html"));
        Q_EMIT help.browser()->anchorClicked(QUrl(QStringLiteral("../outside.html")));
        Q_EMIT help.browser()->anchorClicked(QUrl(QStringLiteral("http://example.org/")));
        QCOMPARE(help.currentPage(), QStringLiteral("index.html"));
        writePage(dir.filePath("toolbar.html"), "<title>The toolbar</title><p>Rows.</p>");
        Q_EMIT help.browser()->anchorClicked(QUrl(QStringLiteral("toolbar.html")));
        QCOMPARE(help.currentPage(), QStringLiteral("toolbar.html"));
    }
};

QTEST_MAIN(TestHelpWindow)
#include "tst_helpwindow.moc"

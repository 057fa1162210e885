// The download time window reached from the menu and the toolbar of the shown main frame.
#include "commands/commandids.h"
#include "documents/documentwindow.h"
#include "downloadtime/downloadtimewindow.h"
#include "editor/scintillaeditor.h"
#include "files/documentfiles.h"
#include "framedriver.h"
#include "frametestbase.h"
#include "paneltesting.h"

#include <QTableWidget>

using namespace PanelTesting;

class TestDownloadTime : public FrameTestBase
{
    Q_OBJECT

    std::unique_ptr<MainFrame> m_frame;

    DocumentWindow *openPage(const QByteArray &text)
    {
        const QString page = m_dir->filePath(QStringLiteral("site/page.htm"));
        writeFile(page, text);
        return drive(m_frame).files().openFile(page);
    }

    static QString cell(QTableWidget *grid, int row, int column)
    {
        return grid->item(row, column)->text();
    }

    static void clickRow(QTableWidget *grid, int row)
    {
        const QModelIndex index = grid->model()->index(row, 3);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(index).center());
    }

private Q_SLOTS:
    void init()
    {
        resetHome();
        m_frame = startFrame();
        QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
    }
    void cleanup() { m_frame.reset(); }

    void fromTheMenuWithUnsavedText()
    {
        writeFile(m_dir->filePath("site/a.gif"), QByteArray(14400, 'x'));
        writeFile(m_dir->filePath("up.gif"), QByteArray(2880, 'x'));
        DocumentWindow *doc = openPage("<img src=\"a.gif\">\n");
        QVERIFY(doc);
        // Typed, not saved: the page counts as the editor holds it.
        doc->memo()->setFocus();
        QTest::keyClick(doc->memo(), Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(doc->memo(), "<img src=\"../up.gif\"><img src=\"none.gif\">");
        const QByteArray bytes = doc->editor().bytes();
        QVERIFY(bytes.size() > 18);
        const QByteArray onDisk = [&] {
            QFile f(m_dir->filePath("site/page.htm"));
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }();
        QCOMPARE(onDisk, QByteArray("<img src=\"a.gif\">\n")); // nothing written

        chooseFromMenu(*m_frame, Cmd::DownloadTime1Click);
        QTRY_VERIFY(drive(m_frame).downloadTime().window() &&
                    drive(m_frame).downloadTime().window()->isVisible());
        DownloadTimeWindow *w = drive(m_frame).downloadTime().window();
        QCOMPARE(w->windowTitle(), QStringLiteral("Estimated Download Times"));
        QTableWidget *files = w->filesgrid();
        QCOMPARE(files->rowCount(), 9);
        QCOMPARE(cell(files, 0, 1), QStringLiteral("page.htm"));
        QCOMPARE(cell(files, 0, 0), QString::number(bytes.size()));
        QCOMPARE(cell(files, 1, 1), QStringLiteral("a.gif"));
        QCOMPARE(cell(files, 1, 2), QStringLiteral("0:00:10")); // 14400 bytes at 14.4 k
        QCOMPARE(cell(files, 1, 3), QStringLiteral("0:00:05"));
        QCOMPARE(cell(files, 2, 1), QStringLiteral("up.gif"));
        QCOMPARE(cell(files, 2, 3), QStringLiteral("0:00:01"));
        QCOMPARE(cell(files, 3, 1), QStringLiteral("none.gif (not found)"));
        QCOMPARE(cell(files, 3, 0), QStringLiteral("-1"));
        QCOMPARE(cell(files, 3, 2), QString());
        QCOMPARE(cell(files, 4, 0), QString());
        const qint64 total = bytes.size() + 14400 + 2880;
        QCOMPARE(cell(w->totalsgrid(), 0, 0), QString::number(total));
        QCOMPARE(w->sizeShown().last(), QLocale(QLocale::English).toString(total));

        clickRow(files, 1);
        QCOMPARE(w->sizeShown(), (QStringList{"0.0", "14.1", "14,400"}));
        QCOMPARE(files->item(1, 1)->background().color(), QColor(255, 255, 224));
        clickRow(files, 3);
        QCOMPARE(w->sizeShown().last(), QStringLiteral("0"));
        QCOMPARE(files->item(1, 1)->background().style(), Qt::NoBrush);
        clickRow(files, 6); // an empty row changes nothing
        QCOMPARE(w->sizeShown().last(), QStringLiteral("0"));
        clickRow(w->totalsgrid(), 0);
        QCOMPARE(w->sizeShown().last(), QLocale(QLocale::English).toString(total));

        // A second choice keeps the one window; Close frees it.
        chooseFromMenu(*m_frame, Cmd::DownloadTime1Click);
        QCOMPARE(drive(m_frame).downloadTime().window(), w);
        QPushButton *close = nullptr;
        for (QPushButton *b : w->findChildren<QPushButton *>())
            if (b->text() == QStringLiteral("Close"))
                close = b;
        QVERIFY(close);
        QTest::mouseClick(close, Qt::LeftButton);
        QTRY_VERIFY(!drive(m_frame).downloadTime().window());
    }

    void fromTheToolbarWithManyFiles()
    {
        QByteArray page;
        for (int i = 0; i < 12; ++i)
            page += "<img src=\"p" + QByteArray::number(i) + ".gif\">\n";
        QVERIFY(openPage(page));
        SpeedButton *item = toolbarItem(*m_frame, Cmd::DownloadTime1Click);
        QVERIFY(item);
        QTest::mouseClick(item, Qt::LeftButton);
        QTRY_VERIFY(drive(m_frame).downloadTime().window());
        QTableWidget *files = drive(m_frame).downloadTime().window()->filesgrid();
        QCOMPARE(files->rowCount(), 13);
        QCOMPARE(cell(files, 12, 1), QStringLiteral("p11.gif (not found)"));
        // Every name is shown whole.
        for (int r = 0; r < files->rowCount(); ++r)
            QVERIFY(files->fontMetrics().horizontalAdvance(cell(files, r, 1)) <
                    files->columnWidth(1));
        QCOMPARE(cell(drive(m_frame).downloadTime().window()->totalsgrid(), 0, 0),
                 QString::number(page.size()));
    }

    // A name is shown as the file is named on disk, and whole, note and all.
    void namesAsOnDiskAndWhole()
    {
        QVERIFY(openPage("<img src=\"img/A%20Rather%20Long%20Picture%20Name%20Here.gif\">\n"));
        SpeedButton *item = toolbarItem(*m_frame, Cmd::DownloadTime1Click);
        QVERIFY(item);
        QTest::mouseClick(item, Qt::LeftButton);
        QTRY_VERIFY(drive(m_frame).downloadTime().window());
        QTableWidget *files = drive(m_frame).downloadTime().window()->filesgrid();
        QCOMPARE(cell(files, 1, 1),
                 QStringLiteral("A Rather Long Picture Name Here.gif (not found)"));
        QVERIFY(files->fontMetrics().horizontalAdvance(cell(files, 1, 1)) < files->columnWidth(1));
    }

    void emptyUntitledPage()
    {
        drive(m_frame).files().newclean();
        chooseFromMenu(*m_frame, Cmd::DownloadTime1Click);
        QTRY_VERIFY(drive(m_frame).downloadTime().window());
        DownloadTimeWindow *w = drive(m_frame).downloadTime().window();
        QVERIFY(cell(w->filesgrid(), 0, 1).startsWith(QLatin1String("Untitled")));
        QCOMPARE(cell(w->filesgrid(), 0, 0), QStringLiteral("0"));
        for (int c = 2; c < 13; ++c) {
            QCOMPARE(cell(w->filesgrid(), 0, c), QStringLiteral("0:00:00"));
            QCOMPARE(cell(w->totalsgrid(), 0, c), QStringLiteral("0:00:00"));
        }
    }
};

QTEST_MAIN(TestDownloadTime)
#include "tst_downloadtime.moc"

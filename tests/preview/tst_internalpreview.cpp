// The internal preview window driven as a user drives it: F9 in the editor, clicks on the
// page's links and on the window's buttons, typing in the editor while the preview follows.
// The engine runs offscreen.
#include "base/settingsfile.h"
#include "documents/documentwindow.h"
#include "editor/scintillaeditor.h"
#include "files/documentfiles.h"
#include "framedriver.h"
#include "frametestbase.h"
#include "preview/previewcontroller.h"
#include "preview/web/defaultlookdialog.h"
#include "preview/web/previewwindow.h"
#include "programscripts.h"
#include "scripteddialogs.h"

#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QSpinBox>
#include <QToolButton>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <QtTest>

namespace {
constexpr int EngineTimeout = 30000;
}

class TestInternalPreview : public FrameTestBase
{
    Q_OBJECT

    std::unique_ptr<MainFrame> m_frame;
    ScriptedDialogs m_dialogs;
    QList<QUrl> m_opened;
    QString m_site;

    void writeFile(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_site + u'/' + name;
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QVariant evaluate(PreviewWindow *b, const QString &script)
    {
        QVariant result;
        bool done = false;
        b->view()->page()->runJavaScript(script, [&](const QVariant &v) {
            result = v;
            done = true;
        });
        if (!QTest::qWaitFor([&] { return done; }, EngineTimeout))
            return QStringLiteral("(no answer)");
        return result;
    }
    QString pageText(PreviewWindow *b)
    {
        return evaluate(b, QStringLiteral("document.body ? document.body.innerText : ''"))
            .toString();
    }
    // Opens the page, types F9 into its editor and waits until the preview shows it.
    PreviewWindow *preview(const QString &name, DocumentWindow **document = nullptr)
    {
        m_frame = startFrame();
        drive(m_frame).files().setDialogs(&m_dialogs);
        DocumentWindow *doc = drive(m_frame).files().openFile(m_site + u'/' + name);
        if (!doc)
            return nullptr;
        if (document)
            *document = doc;
        return pressF9(doc);
    }
    // Back in the main frame, as a click on it would bring the user; the preview window may
    // still have its own activation on its way.
    bool activateFrame()
    {
        QCoreApplication::processEvents();
        return QTest::qWaitFor(
            [this] {
                m_frame->activateWindow();
                return QApplication::activeWindow() == m_frame.get();
            },
            EngineTimeout);
    }
    PreviewWindow *pressF9(DocumentWindow *doc)
    {
        if (!activateFrame())
            return nullptr;
        doc->memo()->setFocus();
        InternalPreview *open = drive(m_frame).previews().internal();
        std::unique_ptr<QSignalSpy> shown;
        if (open)
            shown = std::make_unique<QSignalSpy>(open->widget(), SIGNAL(pageShown(QString)));
        QTest::keyClick(doc->memo(), Qt::Key_F9);
        InternalPreview *internal = drive(m_frame).previews().internal();
        auto *b = internal ? qobject_cast<PreviewWindow *>(internal->widget()) : nullptr;
        if (!b)
            return nullptr;
        if (!shown)
            shown = std::make_unique<QSignalSpy>(b, SIGNAL(pageShown(QString)));
        if (!QTest::qWaitFor([&] { return !shown->isEmpty(); }, EngineTimeout))
            return nullptr;
        return b;
    }
    // Clicks the element with the mouse where the page shows it.
    bool clickElement(PreviewWindow *b, const QString &id)
    {
        const QVariantList rect =
            evaluate(b, QStringLiteral("(function(){var r=document.getElementById('%1')"
                                       ".getBoundingClientRect();return [r.left+r.width/2,"
                                       "r.top+r.height/2];})()")
                            .arg(id))
                .toList();
        if (rect.size() != 2)
            return false;
        const QPoint at(rect[0].toInt(), rect[1].toInt());
        QWidget *target = b->view()->focusProxy() ? b->view()->focusProxy() : b->view();
        QTest::mouseClick(target, Qt::LeftButton, {}, at);
        return true;
    }
    QToolButton *buttonOf(PreviewWindow *b, const char *name)
    {
        return b->findChild<QToolButton *>(QLatin1String(name));
    }

public Q_SLOTS:
    void openedByDesktop(const QUrl &url) { m_opened << url; }

private Q_SLOTS:
    void init()
    {
        resetHome();
        m_site = m_dir->filePath(QStringLiteral("site"));
        m_dialogs = ScriptedDialogs();
        m_opened.clear();
        QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "openedByDesktop");
        writeFile(QStringLiteral("other.htm"),
                  "<html><head><title>Other page</title></head><body><p>Second page</p>"
                  "<p>word one, word two</p></body></html>");
    }
    void cleanup()
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        if (m_frame)
            for (DocumentWindow *doc : drive(m_frame).documents().documents())
                doc->setModified(false);
        m_frame.reset();
    }

    // A page with a table, a picture and includes, shown from its own folder so that the
    // picture's relative address resolves.
    void aPageWithATableAndAPicture()
    {
        QImage picture(120, 80, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QVERIFY(picture.save(m_site + QStringLiteral("/pic.png")));
        writeFile(QStringLiteral("part.htm"), "<em>included part</em>");
        writeFile(QStringLiteral("page.htm"),
                  "<html><head><title>Table</title></head><body>"
                  "<table border=1><tr><th>Name</th></tr><tr><td>Alpha</td></tr></table>"
                  "<img src=\"pic.png\"><p><!--#include file=\"part.htm\"--></p></body></html>");
        PreviewWindow *b = preview(QStringLiteral("page.htm"));
        QVERIFY(b);
        QCOMPARE(b->currentFile(), m_site + QStringLiteral("/_temp1.htm"));
        const QString text = pageText(b);
        QVERIFY2(text.contains(QStringLiteral("Alpha")) &&
                     text.contains(QStringLiteral("included part")),
                 qPrintable(text));
        QTRY_COMPARE_WITH_TIMEOUT(
            evaluate(b, QStringLiteral("document.images[0].naturalWidth")).toInt(), 120,
            EngineTimeout);
        QCOMPARE(b->view()->title(), QStringLiteral("Quillmark Preview 1"));
        // The page names no background: it shows on white, as in a browser.
        QCOMPARE(b->view()->page()->backgroundColor(), QColor(Qt::white));
        QCOMPARE(b->view()->grab().toImage().pixelColor(b->view()->width() - 20, 20),
                 QColor(Qt::white));
    }

    // Web, mail and file-transfer links do nothing; a local page loads inside and enters the
    // history; Back and Fwd move through it; a program runs only when the user agrees, with
    // its parameters as arguments; a media file goes to the desktop's player without its
    // parameter text.
    void linksFollowThePolicy()
    {
        const QString tool = ProgramScripts::make(m_site + QStringLiteral("/tool.exe"));
        writeFile(QStringLiteral("page.htm"),
                  "<html><body style='font-size:30px'>"
                  "<p><a id=web href=\"http://example.com/\">web</a></p>"
                  "<p><a id=mail href=\"mailto:someone@example.com\">mail</a></p>"
                  "<p><a id=ftp href=\"ftp://example.com/file\">ftp</a></p>"
                  "<p><a id=tool href=\"tool.exe a b\">tool</a></p>"
                  "<p><a id=song href=\"song.mid?x\">song</a></p>"
                  "<p><a id=other href=\"other.htm\">other</a></p></body></html>");
        PreviewWindow *b = preview(QStringLiteral("page.htm"));
        QVERIFY(b);
        const QString start = b->currentFile();
        QSignalSpy shown(b, &PreviewWindow::pageShown);
        // A refused link leaves the page, and the commands that act on it, as they were.
        const auto pageCommandsBack = [&] {
            return QTest::qWaitFor(
                [&] {
                    for (const char *name : {"Print", "PrintPreview", "Find", "Reload"})
                        if (!buttonOf(b, name)->isEnabled())
                            return false;
                    return true;
                },
                EngineTimeout);
        };
        for (const char *id : {"web", "mail", "ftp"}) {
            QVERIFY(clickElement(b, QLatin1String(id)));
            QCoreApplication::processEvents();
            QVERIFY2(pageCommandsBack(), id);
        }
        QCOMPARE(b->currentFile(), start);
        QCOMPARE(b->historyCaptions().size(), 1);

        m_prompter.answers = {PromptAnswer::No};
        QVERIFY(clickElement(b, QStringLiteral("tool")));
        QTRY_COMPARE_WITH_TIMEOUT(m_prompter.shown.size(), 1, EngineTimeout);
        QCOMPARE(m_prompter.shown[0],
                 QStringLiteral("This page links to the program %1 with the arguments a b. Run it?")
                     .arg(tool));
        QVERIFY(pageCommandsBack());
        m_prompter.answers = {PromptAnswer::Yes};
        QVERIFY(clickElement(b, QStringLiteral("tool")));
        QTRY_VERIFY_WITH_TIMEOUT(ProgramScripts::ran(tool), EngineTimeout);
        QCOMPARE(ProgramScripts::arguments(tool), QStringList({"a", "b"}));

        QVERIFY(clickElement(b, QStringLiteral("song")));
        QTRY_COMPARE_WITH_TIMEOUT(m_opened, QList<QUrl>{QUrl::fromLocalFile(m_site + "/song.mid")},
                                  EngineTimeout);
        QCOMPARE(b->currentFile(), start);

        QVERIFY(clickElement(b, QStringLiteral("other")));
        QTRY_COMPARE_WITH_TIMEOUT(b->currentFile(), m_site + QStringLiteral("/other.htm"),
                                  EngineTimeout);
        QTRY_VERIFY_WITH_TIMEOUT(pageText(b).contains(QStringLiteral("Second page")),
                                 EngineTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(
            b->historyCaptions(),
            QStringList({"Quillmark Preview 1--_temp1.htm", "Other page--other.htm"}),
            EngineTimeout);
        QCOMPARE(b->historyIndex(), 1);

        QTRY_VERIFY_WITH_TIMEOUT(buttonOf(b, "Back")->isEnabled(), EngineTimeout);
        QTest::mouseClick(buttonOf(b, "Back"), Qt::LeftButton);
        QCOMPARE(b->currentFile(), start);
        QTRY_VERIFY_WITH_TIMEOUT(pageText(b).contains(QStringLiteral("tool")), EngineTimeout);
        QTRY_VERIFY_WITH_TIMEOUT(buttonOf(b, "Fwd")->isEnabled(), EngineTimeout);
        QTest::mouseClick(buttonOf(b, "Fwd"), Qt::LeftButton);
        QCOMPARE(b->currentFile(), m_site + QStringLiteral("/other.htm"));
    }

    // Find Next goes from hit to hit and says when there is none further.
    void findSaysWhenThereAreNoFurtherOccurrences()
    {
        writeFile(QStringLiteral("page.htm"), "<p>word one, word two</p>");
        PreviewWindow *b = preview(QStringLiteral("page.htm"));
        QVERIFY(b);
        QTRY_VERIFY_WITH_TIMEOUT(buttonOf(b, "Find")->isEnabled(), EngineTimeout);
        QTest::mouseClick(buttonOf(b, "Find"), Qt::LeftButton);
        auto *text = b->findChild<QLineEdit *>(QStringLiteral("findText"));
        auto *next = b->findChild<QPushButton *>(QStringLiteral("findNext"));
        QVERIFY(text && next);
        QTest::keyClicks(text, QStringLiteral("word"));
        QSignalSpy found(b->view()->page(), &QWebEnginePage::findTextFinished);
        for (int hit = 1; hit <= 2; ++hit) {
            QTest::mouseClick(next, Qt::LeftButton);
            QTRY_COMPARE_WITH_TIMEOUT(found.size(), hit, EngineTimeout);
            QVERIFY(m_prompter.shown.isEmpty());
        }
        QTest::mouseClick(next, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(m_prompter.shown,
                                  QStringList{QStringLiteral("No further occurrences of \"word\"")},
                                  EngineTimeout);
        text->clear();
        QTest::keyClicks(text, QStringLiteral("absent"));
        QTest::mouseClick(next, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(m_prompter.shown.size(), 2, EngineTimeout);
        QCOMPARE(m_prompter.shown[1], QStringLiteral("No further occurrences of \"absent\""));
    }

    // Typing in the editor shows in the preview a moment later, where the page was scrolled
    // to, and nothing is written to disk. With Live off the preview stays; on again, it
    // catches up.
    void thePreviewFollowsTyping()
    {
        QByteArray tall = "<html><body>";
        for (int i = 0; i < 200; ++i)
            tall += "<p>line " + QByteArray::number(i) + "</p>\n";
        tall += "<p id=end>END</p></body></html>\n";
        writeFile(QStringLiteral("page.htm"), tall);
        DocumentWindow *doc = nullptr;
        PreviewWindow *b = preview(QStringLiteral("page.htm"), &doc);
        QVERIFY(b);
        drive(m_frame).previews().setLiveDelay(50);
        const QString file = b->currentFile();
        QFile written(file);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QByteArray onDisk = written.readAll();
        evaluate(b, QStringLiteral("window.scrollTo(0, 600)"));
        QTRY_COMPARE_WITH_TIMEOUT(evaluate(b, QStringLiteral("window.scrollY")).toInt(), 600,
                                  EngineTimeout);

        QVERIFY(activateFrame());
        doc->memo()->setFocus();
        doc->editor().setSelection(int(QString::fromUtf8(tall).indexOf(QStringLiteral("END"))), 0);
        QTest::keyClicks(doc->memo(), QStringLiteral("typed "));
        QTRY_VERIFY_WITH_TIMEOUT(pageText(b).contains(QStringLiteral("typed END")), EngineTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(evaluate(b, QStringLiteral("window.scrollY")).toInt(), 600,
                                  EngineTimeout);
        QCOMPARE(b->currentFile(), file);
        QVERIFY(written.seek(0));
        QCOMPARE(written.readAll(), onDisk);

        QTest::mouseClick(buttonOf(b, "Live"), Qt::LeftButton);
        QCOMPARE(m_settings->read(Keys::LivePreview), QStringLiteral("no"));
        QVERIFY(activateFrame());
        doc->memo()->setFocus();
        QTest::keyClicks(doc->memo(), QStringLiteral("more "));
        QTest::mouseClick(buttonOf(b, "Live"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(pageText(b).contains(QStringLiteral("typed more END")),
                                 EngineTimeout);
    }

    // Reload, and Back to the document's page, show the editor's text as it is now, also
    // with Live off and after the user went to another page.
    void reloadAndBackShowTheCurrentText()
    {
        writeFile(QStringLiteral("page.htm"),
                  "<p>start</p><p><a id=other href=\"other.htm\">other</a></p><p>END</p>");
        DocumentWindow *doc = nullptr;
        PreviewWindow *b = preview(QStringLiteral("page.htm"), &doc);
        QVERIFY(b);
        const QString file = b->currentFile();
        QTest::mouseClick(buttonOf(b, "Live"), Qt::LeftButton);
        QVERIFY(activateFrame());
        doc->memo()->setFocus();
        doc->editor().setSelection(int(doc->editor().text().indexOf(QStringLiteral("END"))), 0);
        QTest::keyClicks(doc->memo(), QStringLiteral("typed "));
        QTRY_VERIFY_WITH_TIMEOUT(buttonOf(b, "Reload")->isEnabled(), EngineTimeout);
        QVERIFY(!pageText(b).contains(QStringLiteral("typed")));
        QTest::mouseClick(buttonOf(b, "Reload"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(pageText(b).contains(QStringLiteral("typed END")), EngineTimeout);

        QVERIFY(clickElement(b, QStringLiteral("other")));
        QTRY_VERIFY_WITH_TIMEOUT(pageText(b).contains(QStringLiteral("Second page")),
                                 EngineTimeout);
        QVERIFY(activateFrame());
        doc->memo()->setFocus();
        QTest::keyClicks(doc->memo(), QStringLiteral("later "));
        QTRY_VERIFY_WITH_TIMEOUT(buttonOf(b, "Back")->isEnabled(), EngineTimeout);
        QTest::mouseClick(buttonOf(b, "Back"), Qt::LeftButton);
        QCOMPARE(b->currentFile(), file);
        QTRY_VERIFY_WITH_TIMEOUT(pageText(b).contains(QStringLiteral("typed later END")),
                                 EngineTimeout);
    }

    // "Default Font/Colors": the font, its size and the colours chosen in the dialog apply to
    // the page at once and to every later one; a page's own colours still win.
    void defaultFontAndColours()
    {
        writeFile(QStringLiteral("page.htm"),
                  "<html><body><p id=t>text</p><a id=l href=\"other.htm\">link</a></body></html>");
        writeFile(QStringLiteral("own.htm"), "<html><body text=\"#00FF00\" link=\"#00FFFF\">"
                                             "<a id=l href=\"page.htm\">link</a></body></html>");
        PreviewWindow *b = preview(QStringLiteral("page.htm"));
        QVERIFY(b);
        QTest::mouseClick(buttonOf(b, "DefaultFont"), Qt::LeftButton);
        auto *dialog = b->findChild<DefaultLookDialog *>();
        QVERIFY(dialog);
        QTRY_VERIFY(dialog->isVisible());
        dialog->sizeBox()->selectAll();
        QTest::keyClicks(dialog->sizeBox(), QStringLiteral("24"));
        const auto pick = [dialog](const char *button, const QColor &colour) {
            QTest::mouseClick(dialog->colourButton(QLatin1String(button)), Qt::LeftButton);
            QColorDialog *colours = nullptr;
            QTRY_VERIFY((colours = dialog->findChild<QColorDialog *>()) && colours->isVisible());
            colours->setCurrentColor(colour);
            colours->accept();
            QTRY_VERIFY(!dialog->findChild<QColorDialog *>());
        };
        QCOMPARE(dialog->colourButton(QStringLiteral("background"))->text(),
                 QStringLiteral("#FFFFFF"));
        pick("text", QColor(255, 0, 0));
        pick("link", QColor(0, 0, 255));
        pick("background", QColor(255, 255, 0));
        QCOMPARE(dialog->colourButton(QStringLiteral("text"))->text(), QStringLiteral("#FF0000"));
        QSignalSpy shown(b, &PreviewWindow::pageShown);
        dialog->accept();
        QTRY_VERIFY_WITH_TIMEOUT(!shown.isEmpty(), EngineTimeout);
        const auto style = [&](const char *id, const char *property) {
            return evaluate(b, QStringLiteral("getComputedStyle(document.getElementById('%1'))"
                                              ".%2")
                                   .arg(QLatin1String(id), QLatin1String(property)))
                .toString();
        };
        QCOMPARE(style("t", "fontSize"), QStringLiteral("32px"));
        QCOMPARE(style("t", "color"), QStringLiteral("rgb(255, 0, 0)"));
        QCOMPARE(style("l", "color"), QStringLiteral("rgb(0, 0, 255)"));
        QCOMPARE(b->view()->page()->backgroundColor(), QColor(255, 255, 0));

        b->load(m_site + QStringLiteral("/own.htm"));
        QTRY_VERIFY_WITH_TIMEOUT(b->currentFile().endsWith(QLatin1String("own.htm")) &&
                                     style("l", "color") == QLatin1String("rgb(0, 255, 255)"),
                                 EngineTimeout);
        QCOMPARE(evaluate(b, QStringLiteral("getComputedStyle(document.body).color")).toString(),
                 QStringLiteral("rgb(0, 255, 0)"));
    }

    // A check box or radio button whose on-click text is "display" says its state when
    // clicked; any other on-click text is a script the page runs itself.
    void objectsClickedSayTheirState()
    {
        writeFile(QStringLiteral("page.htm"),
                  "<html><body style='font-size:30px'><form>"
                  "<p><input type=checkbox id=c name=agree onclick=\"display\"></p>"
                  "<p><input type=radio id=r name=pick onclick=\"Display\"></p>"
                  "<p><input type=checkbox id=o name=other onclick=\"document.title='ran'\"></p>"
                  "</form></body></html>");
        PreviewWindow *b = preview(QStringLiteral("page.htm"));
        QVERIFY(b);
        QVERIFY(clickElement(b, QStringLiteral("c")));
        QTRY_COMPARE_WITH_TIMEOUT(m_prompter.shown, QStringList{"agree is checked"}, EngineTimeout);
        QVERIFY(clickElement(b, QStringLiteral("c")));
        QTRY_COMPARE_WITH_TIMEOUT(m_prompter.shown.size(), 2, EngineTimeout);
        QCOMPARE(m_prompter.shown[1], QStringLiteral("agree is unchecked"));
        QVERIFY(clickElement(b, QStringLiteral("r")));
        QTRY_COMPARE_WITH_TIMEOUT(m_prompter.shown.size(), 3, EngineTimeout);
        QCOMPARE(m_prompter.shown[2], QStringLiteral("pick is checked"));
        QVERIFY(clickElement(b, QStringLiteral("o")));
        QTRY_COMPARE_WITH_TIMEOUT(b->view()->title(), QStringLiteral("ran"), EngineTimeout);
        QCOMPARE(m_prompter.shown.size(), 3);
    }

    // A second F9 reuses the window; the page of another document replaces the first.
    void aSecondRequestReusesTheWindow()
    {
        writeFile(QStringLiteral("page.htm"), "<p>first</p>");
        PreviewWindow *b = preview(QStringLiteral("page.htm"));
        QVERIFY(b);
        DocumentWindow *other =
            drive(m_frame).files().openFile(m_site + QStringLiteral("/other.htm"));
        QVERIFY(other);
        QCOMPARE(pressF9(other), b);
        QTRY_VERIFY_WITH_TIMEOUT(pageText(b).contains(QStringLiteral("Second page")),
                                 EngineTimeout);
        QCOMPARE(b->historyCaptions().size(), 2);
    }

    // Printing draws every page with a header and footer; cancelling prints nothing.
    void printsToTheChosenPrinter()
    {
        writeFile(QStringLiteral("page.htm"), "<p>to paper</p>");
        PreviewWindow *b = preview(QStringLiteral("page.htm"));
        QVERIFY(b);
        QTRY_VERIFY_WITH_TIMEOUT(buttonOf(b, "Print")->isEnabled(), EngineTimeout);
        QTest::mouseClick(buttonOf(b, "Print"), Qt::LeftButton);
        QCOMPARE(m_dialogs.shown.size(), 1);
        m_dialogs.pdfPath = m_dir->filePath(QStringLiteral("out.pdf"));
        QTest::mouseClick(buttonOf(b, "Print"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(m_dialogs.pdfPath).size() > 1000, EngineTimeout);
        QVERIFY(m_prompter.shown.isEmpty());
    }

    // The window sizes, the screen corners, and a file dropped on the page.
    void sizesCornersAndDroppedFiles()
    {
        writeFile(QStringLiteral("page.htm"), "<p>sizes</p>");
        PreviewWindow *b = preview(QStringLiteral("page.htm"));
        QVERIFY(b);
        const QRect area = b->screen()->availableGeometry();
        const int width = b->screen()->geometry().width();
        QCOMPARE(buttonOf(b, "Size1024")->isEnabled(), width >= 1000);
        QCOMPARE(buttonOf(b, "Size800")->isEnabled(), width >= 790);
        b->move(area.topLeft() + QPoint(30, 40));
        if (width >= 1000) {
            QTest::mouseClick(buttonOf(b, "Size1024"), Qt::LeftButton);
            QCOMPARE(b->size(), QSize(1024, 720));
            QCOMPARE(b->pos(), area.topLeft() + QPoint(30, 40));
        }
        QTest::mouseClick(buttonOf(b, "Size640"), Qt::LeftButton);
        QCOMPARE(b->size(), QSize(640, 480));
        QCOMPARE(b->pos(), area.topLeft());
        QWidget *corner = b->findChild<QWidget *>(QStringLiteral("Butts"));
        QVERIFY(corner);
        QTest::mouseClick(corner, Qt::LeftButton, {}, QPoint(20, 20));
        QCOMPARE(b->frameGeometry().bottomRight(), area.bottomRight());

        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(m_site + QStringLiteral("/other.htm"))});
        QWidget *target = b->view()->focusProxy() ? b->view()->focusProxy() : b->view();
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(target, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(target, &drop);
        QCOMPARE(b->currentFile(), m_site + QStringLiteral("/other.htm"));
        QTRY_VERIFY_WITH_TIMEOUT(pageText(b).contains(QStringLiteral("Second page")),
                                 EngineTimeout);

        // Closing keeps the place and size for next time.
        b->close();
        QTRY_VERIFY(!drive(m_frame).previews().internal());
        QCOMPARE(m_settings->read(Keys::PreviewWidth), 640);
        QCOMPARE(m_settings->read(Keys::PreviewHeight), 480);
    }
};

QTEST_MAIN(TestInternalPreview)
#include "tst_internalpreview.moc"

// The document helper on the shown main frame: colours clicked in the grids and the palette,
// "use names", a background picture chosen with clicks, the BODY tag read back and replaced.
#include "base/settingsfile.h"
#include "colours/colourpicker.h"
#include "commands/commandids.h"
#include "documents/documentwindow.h"
#include "editor/scintillaeditor.h"
#include "files/documentfiles.h"
#include "framedriver.h"
#include "helpers/document/documenthelper.h"
#include "paneltestbase.h"
#include "paneltesting.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QToolButton>

using namespace PanelTesting;

class TestDocumentHelper : public PanelTestBase
{
    Q_OBJECT

    QString m_site;

    DocumentWindow *openPage(const QByteArray &text)
    {
        m_site = m_dir->filePath(QStringLiteral("site"));
        writeFile(m_site + QStringLiteral("/img/tile.gif"), animatedGif());
        writePicture(m_site + QStringLiteral("/img/back.jpg"), QSize(16, 16));
        return focusedDocument(text, QStringLiteral("site/page.htm"));
    }

    DocumentHelper *openFromMenu() { return openPanelFromMenu<DocumentHelper>(PanelId::Document); }

private Q_SLOTS:
    void init() { startFrameForPanels(); }
    void cleanup() { stopFrame(); }

    void coloursFromGridsAndPaletteBuildTheTag()
    {
        DocumentWindow *doc = openPage("<html>\n\n</html>\n");
        QVERIFY(doc);
        doc->editor().setCaret(7);
        DocumentHelper *p = openFromMenu();
        QVERIFY(p);
        QCOMPARE(p->sampleText(), QStringLiteral("<BODY>"));
        QVERIFY(!p->browser()->isEnabled());

        click(p->colourCheck(DocumentHelper::Back));
        QCOMPARE(p->output(), QStringLiteral("<BODY bgcolor=\"#FFFFFF\">"));
        click(p->useNames());
        QCOMPARE(p->output(), QStringLiteral("<BODY bgcolor=\"White\">"));

        // A cell of the text row's grid: navy is the fifth basic colour.
        BasicColourGrid *grid = p->colourGrid(DocumentHelper::Text);
        QTest::mouseClick(grid, Qt::LeftButton, {}, grid->cellRect(4).center());
        QVERIFY(p->colourCheck(DocumentHelper::Text)->isChecked());
        QCOMPARE(p->output(), QStringLiteral("<BODY bgcolor=\"White\" text=\"Navy\">"));

        // The link colour from the web-safe palette of the link row's palette button.
        QTest::mousePress(p->paletteButton(DocumentHelper::Link), Qt::LeftButton);
        QMenu *menu = p->picker()->menu();
        QTRY_VERIFY(menu->isVisible());
        QTest::mouseClick(menu, Qt::LeftButton, {},
                          menu->actionGeometry(menu->actions().at(0)).center());
        PaletteGrid *safe = p->picker()->grid(PaletteGrid::Kind::WebSafe);
        QTRY_VERIFY(safe->isVisible());
        QTest::mouseClick(safe, Qt::LeftButton, {}, safe->cellRect(6, 17).center()); // FF00FF
        QCOMPARE(p->output(),
                 QStringLiteral("<BODY bgcolor=\"White\" text=\"Navy\" link=\"Fuchsia\">"));
        click(p->useNames());
        QCOMPARE(p->output(),
                 QStringLiteral("<BODY bgcolor=\"#FFFFFF\" text=\"#000080\" link=\"#FF00FF\">"));
        // The preview shows the colours.
        QVERIFY(p->bkpan()->label(1)->styleSheet().contains(QLatin1String("#ff00ff")));

        click(p->insertButton());
        QCOMPARE(doc->editor().text(),
                 QStringLiteral("<html>\n<BODY bgcolor=\"#FFFFFF\" text=\"#000080\" "
                                "link=\"#FF00FF\">\n</html>\n"));
        p->closePanel();
        QCOMPARE(m_settings->read(Keys::ClNames), false);
        QCOMPARE(m_settings->read(Keys::DocuPreview), QString());
    }

    void backgroundPictureChosenWithClicks()
    {
        DocumentWindow *doc = openPage("");
        QVERIFY(doc);
        DocumentHelper *p = openFromMenu();
        QVERIFY(p);
        click(p->useImage());
        QVERIFY(p->browser()->isEnabled());
        QCOMPARE(p->output(), QStringLiteral("<BODY>")); // no file yet
        p->browser()->setFolder(m_site + QStringLiteral("/img"));
        clickFile(*p->browser(), QStringLiteral("back.jpg"));
        QCOMPARE(p->output(), QStringLiteral("<BODY background=\"img/back.jpg\">"));
        QTRY_VERIFY(!p->bkpan()->tile().isNull());
        QCOMPARE(p->bkpan()->tile().size(), QSize(16, 16));
        p->pathlist()->setCurrentIndex(2);
        Q_EMIT p->pathlist()->activated(2);
        QCOMPARE(p->output(), QStringLiteral("<BODY background=\"back.jpg\">"));
        p->closePanel();
        QCOMPARE(m_settings->read(Keys::DocuPreview), QStringLiteral("sure"));

        // Shown again, "use image" starts on.
        QTRY_VERIFY(!drive(m_frame).panels().panel(row(PanelId::Document)));
        p = openFromMenu();
        QVERIFY(p);
        QVERIFY(p->useImage()->isChecked());
    }

    void insertGoesInFrontOfTheSelectionAndLeavesItUnselected()
    {
        DocumentWindow *doc = openPage("<p>word</p>");
        QVERIFY(doc);
        doc->editor().setSelection(3, 4);
        DocumentHelper *p = openFromMenu();
        QVERIFY(p);
        click(p->insertButton());
        QCOMPARE(doc->editor().text(), QStringLiteral("<p><BODY>word</p>"));
        QCOMPARE(doc->editor().selLength(), 0);
        QCOMPARE(doc->editor().caret(), 9);
    }

    void fitsItsMinimumSize()
    {
        openPage("");
        DocumentHelper *p = openFromMenu();
        QVERIFY(p);
        QCOMPARE(p->minimumSize(), QSize(332, 392));
        QVERIFY2(p->minimumSizeHint().width() <= 332 && p->minimumSizeHint().height() <= 392,
                 qPrintable(QStringLiteral("%1 x %2")
                                .arg(p->minimumSizeHint().width())
                                .arg(p->minimumSizeHint().height())));
    }

    void readTagTakesOverTheBodyTag()
    {
        DocumentWindow *doc = openPage("<html>\n<body onload=\"go()\" bgcolor=\"white\" "
                                       "background=\"img/tile.gif\">\n</html>\n");
        QVERIFY(doc);
        doc->editor().setCaret(12);
        DocumentHelper *p = openFromMenu();
        QVERIFY(p);
        QVERIFY(p->isEditingTag());
        QVERIFY(p->colourCheck(DocumentHelper::Back)->isChecked());
        QVERIFY(p->useNames()->isChecked());
        QVERIFY(p->useImage()->isChecked());
        QCOMPARE(p->browser()->selectedFile(), m_site + QStringLiteral("/img/tile.gif"));
        // The colour keeps the form it was written in.
        QCOMPARE(p->output(), QStringLiteral("<BODY background=\"img/tile.gif\" bgcolor=\"white\" "
                                             "onload=\"go()\">"));
        click(p->colourCheck(DocumentHelper::VLink));
        click(p->insertButton());
        QCOMPARE(doc->editor().text(),
                 QStringLiteral("<html>\n<BODY background=\"img/tile.gif\" bgcolor=\"white\" "
                                "vlink=\"White\" onload=\"go()\">\n</html>\n"));
    }
};

QTEST_MAIN(TestDocumentHelper)
#include "tst_documenthelper.moc"

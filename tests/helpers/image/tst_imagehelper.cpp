// The image helper as a user works it on the shown main frame: a picture chosen with clicks
// in the file list, options clicked, Insert Code pressed; the tag under the caret read back
// and replaced.
#include "base/settingsfile.h"
#include "commands/commandids.h"
#include "documents/documentwindow.h"
#include "editor/scintillaeditor.h"
#include "files/documentfiles.h"
#include "framedriver.h"
#include "helpers/frame/numberfield.h"
#include "helpers/frame/picturepreview.h"
#include "helpers/frame/tagattributefields.h"
#include "helpers/image/imagehelper.h"
#include "paneltestbase.h"
#include "paneltesting.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMovie>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeView>

using namespace PanelTesting;

class TestImageHelper : public PanelTestBase
{
    Q_OBJECT

    QString m_site;

    // A saved page in site/ with pictures beside it and in img/.
    DocumentWindow *openPage(const QByteArray &text)
    {
        m_site = m_dir->filePath(QStringLiteral("site"));
        writePicture(m_site + QStringLiteral("/Cat Photo.png"), QSize(40, 30));
        writePicture(m_site + QStringLiteral("/img/photo.jpg"), QSize(64, 48));
        writeFile(m_site + QStringLiteral("/img/anim.gif"), animatedGif());
        writeFile(m_site + QStringLiteral("/img/broken.png"), "not a picture");
        writeFile(m_site + QStringLiteral("/notes.txt"), "text");
        writeFile(m_site + QStringLiteral("/LOUD.GIF"), animatedGif());
        return focusedDocument(text, QStringLiteral("site/page.htm"));
    }

    ImageHelper *open() { return openPanelFromToolbar<ImageHelper>(PanelId::Image); }

private Q_SLOTS:
    void init() { startFrameForPanels(); }
    void cleanup() { stopFrame(); }

    void choosingAPictureAndInsertingPutsTheTagAtTheCaret()
    {
        DocumentWindow *doc = openPage("<p></p>\n");
        QVERIFY(doc);
        doc->editor().setCaret(3);
        ImageHelper *p = open();
        QVERIFY(p);
        // The browser starts in the page's folder and lists pictures only, in any case.
        QCOMPARE(p->browser()->folder(), m_site);
        QTreeView *folders = p->browser()->folders();
        const QModelIndex site = static_cast<QFileSystemModel *>(folders->model())->index(m_site);
        QTRY_VERIFY(folders->viewport()->rect().contains(folders->visualRect(site).center()));
        QCOMPARE(p->sampleText(), QStringLiteral("<IMG src=\"\" border=\"0\">"));
        clickFile(*p->browser(), QStringLiteral("Cat Photo.png"));
        // Pictures only, whatever the letter case of their names. The folder is read in the
        // background, so the list may still be filling.
        const auto listed = [p] {
            QStringList names;
            const QModelIndex root = p->browser()->files()->rootIndex();
            for (int r = 0; r < p->browser()->fileModel()->rowCount(root); ++r)
                names << p->browser()->fileModel()->index(r, 0, root).data().toString();
            names.sort();
            return names;
        };
        QTRY_COMPARE(listed(), QStringList({"Cat Photo.png", "LOUD.GIF"}));
        click(p->hz());
        click(p->alts());
        QCOMPARE(p->sampleText(),
                 QStringLiteral("<IMG src=\"Cat%20Photo.png\" width=\"40\" height=\"30\" "
                                "border=\"0\" alt=\"\">"));
        click(p->insertButton());
        QCOMPARE(doc->editor().text(),
                 QStringLiteral("<p><IMG src=\"Cat%20Photo.png\" width=\"40\" height=\"30\" "
                                "border=\"0\" alt=\"\"></p>\n"));
        QTRY_VERIFY(doc->memo()->hasFocus());
    }

    void folderClickAndPathModes()
    {
        DocumentWindow *doc = openPage("");
        QVERIFY(doc);
        ImageHelper *p = open();
        QVERIFY(p);
        // A click on the folder img in the folder list shows its pictures.
        QTreeView *folders = p->browser()->folders();
        auto *model = static_cast<QFileSystemModel *>(folders->model());
        const QString img = m_site + QStringLiteral("/img");
        QTRY_VERIFY(model->index(img).isValid() &&
                    !folders->visualRect(model->index(img)).isEmpty());
        QTest::mouseClick(folders->viewport(), Qt::LeftButton, {},
                          folders->visualRect(model->index(img)).center());
        QTRY_COMPARE(p->browser()->folder(), img);
        clickFile(*p->browser(), QStringLiteral("anim.gif"));
        QCOMPARE(p->output(), QStringLiteral("<IMG src=\"img/anim.gif\" border=\"0\">"));

        p->pathlist()->setCurrentIndex(1);
        Q_EMIT p->pathlist()->activated(1);
        QCOMPARE(p->output(), "<IMG src=\"" + QUrl::fromLocalFile(img + "/anim.gif").toString() +
                                  "\" border=\"0\">");
        QCOMPARE(p->sampleText(), "<IMG src=\"" + img + "/anim.gif\" border=\"0\">");
        p->pathlist()->setCurrentIndex(2);
        Q_EMIT p->pathlist()->activated(2);
        QCOMPARE(p->output(), QStringLiteral("<IMG src=\"anim.gif\" border=\"0\">"));

        click(p->backcheck());
        QCOMPARE(p->output(), QStringLiteral("background=\"anim.gif\""));
    }

    void unsavedDocumentGetsTheFileUrl()
    {
        openPage("");
        QTRY_VERIFY(drive(m_frame).documents().active());
        drive(m_frame).files().newclean();
        ImageHelper *p = open();
        QVERIFY(p);
        p->browser()->setFolder(m_site);
        clickFile(*p->browser(), QStringLiteral("Cat Photo.png"));
        const QString file = m_site + QStringLiteral("/Cat Photo.png");
        QCOMPARE(p->output(), "<IMG src=\"" +
                                  QUrl::fromLocalFile(file).toString(QUrl::FullyEncoded) +
                                  "\" border=\"0\">");
        QCOMPARE(p->sampleText(), "<IMG src=\"" + file + "\" border=\"0\">");
    }

    void sizesAreReadFromTheFileEveryTime()
    {
        DocumentWindow *doc = openPage("");
        ImageHelper *p = open();
        QVERIFY(p);
        QVERIFY(!p->previewCheck()->isChecked());
        clickFile(*p->browser(), QStringLiteral("Cat Photo.png"));
        click(p->hz());
        QVERIFY(p->output().contains(QLatin1String("width=\"40\" height=\"30\"")));
        // The picture changes on disk after it was chosen.
        writePicture(m_site + QStringLiteral("/Cat Photo.png"), QSize(20, 10));
        click(p->insertButton());
        QVERIFY(doc->editor().text().contains(QLatin1String("width=\"20\" height=\"10\"")));
    }

    void previewsEachKindOfPicture()
    {
        openPage("");
        ImageHelper *p = open();
        QVERIFY(p);
        click(p->previewCheck());
        QVERIFY(p->gifpan()->isVisible());
        p->browser()->setFolder(m_site + QStringLiteral("/img"));
        click(p->hz());

        clickFile(*p->browser(), QStringLiteral("anim.gif"));
        QTRY_COMPARE(p->gifpan()->file(), m_site + QStringLiteral("/img/anim.gif"));
        QVERIFY(p->gifpan()->isAnimated());
        QVERIFY(p->output().contains(QLatin1String("width=\"8\" height=\"6\"")));

        clickFile(*p->browser(), QStringLiteral("photo.jpg"));
        QTRY_COMPARE(p->gifpan()->file(), m_site + QStringLiteral("/img/photo.jpg"));
        QVERIFY(!p->gifpan()->isAnimated());
        QCOMPARE(p->gifpan()->pictureLabel()->pixmap().size(), QSize(64, 48));
        QVERIFY(p->output().contains(QLatin1String("width=\"64\" height=\"48\"")));

        // A picture that cannot be read says so, and gives no size.
        clickFile(*p->browser(), QStringLiteral("broken.png"));
        QTRY_COMPARE(p->gifpan()->file(), m_site + QStringLiteral("/img/broken.png"));
        QVERIFY(p->gifpan()->pictureLabel()->text().contains(QLatin1String("cannot be read")));
        QCOMPARE(p->output(), QStringLiteral("<IMG src=\"img/broken.png\" border=\"0\">"));

        // The preview's state is kept for the next time.
        p->closePanel();
        QCOMPARE(m_settings->read(Keys::ImagePreview), QStringLiteral("sure"));
    }

    // The panel can be made as small as its minimum: every control still has its room.
    void fitsItsMinimumSize()
    {
        openPage("");
        ImageHelper *p = open();
        QVERIFY(p);
        QCOMPARE(p->minimumSize(), QSize(288, 400));
        QVERIFY2(p->minimumSizeHint().width() <= 288 && p->minimumSizeHint().height() <= 400,
                 qPrintable(QStringLiteral("%1 x %2")
                                .arg(p->minimumSizeHint().width())
                                .arg(p->minimumSizeHint().height())));
    }

    void borderSpinStopsAtZero()
    {
        openPage("");
        ImageHelper *p = open();
        QVERIFY(p);
        QSpinBox *border = p->borderedit();
        QCOMPARE(border->value(), 0);
        border->setFocus();
        QTest::keyClick(border, Qt::Key_Down);
        QCOMPARE(border->value(), 0);
        QTest::keyClick(border, Qt::Key_Up);
        QCOMPARE(p->output(), QStringLiteral("<IMG src=\"\">"));
        QTest::keyClick(border, Qt::Key_Up);
        QCOMPARE(p->output(), QStringLiteral("<IMG src=\"\" border=\"2\">"));
    }

    void readTagFillsTheFieldsAndInsertReplacesIt()
    {
        DocumentWindow *doc = openPage(
            "<p><img class=\"pic\" src=\"img/anim.gif\" alt=\"Hi\" width=8 height=6></p>\n");
        QVERIFY(doc);
        ImageHelper *p = open();
        QVERIFY(p);
        QVERIFY(!p->isEditingTag());
        doc->editor().setCaret(10); // inside the IMG tag
        click(p->readButton());
        QVERIFY(p->isEditingTag());
        QCOMPARE(p->browser()->selectedFile(), m_site + QStringLiteral("/img/anim.gif"));
        QVERIFY(p->alts()->isChecked());
        QVERIFY(p->hz()->isChecked());
        QVERIFY(!p->hsc()->isChecked());
        QCOMPARE(p->output(), QStringLiteral("<IMG src=\"img/anim.gif\" width=\"8\" height=\"6\" "
                                             "alt=\"Hi\" class=\"pic\">"));
        click(p->hsc());
        click(p->insertButton());
        const QString replaced = QStringLiteral("<p><IMG src=\"img/anim.gif\" width=\"8\" "
                                                "height=\"6\" hspace=\"\" alt=\"Hi\" "
                                                "class=\"pic\"></p>\n");
        QCOMPARE(doc->editor().text(), replaced);
        // The caret stays with the tag: a second change replaces it again.
        click(p->vsc());
        click(p->insertButton());
        QCOMPARE(doc->editor().text().count(QLatin1String("<IMG")), 1);
        QVERIFY(doc->editor().text().contains(QLatin1String("vspace=\"\"")));
        // One undo step brings back the tag before the last change.
        doc->editor().undo();
        QCOMPARE(doc->editor().text(), replaced);

        // Moved elsewhere, Insert Code inserts a new tag at the caret.
        doc->editor().setCaret(doc->editor().length());
        click(p->insertButton());
        QCOMPARE(doc->editor().text().count(QLatin1String("<IMG")), 2);
        QVERIFY(!p->isEditingTag());
        QVERIFY(!doc->editor().text().endsWith(QLatin1String("class=\"pic\">")));
    }

    void openingWithTheCaretInATagReadsIt()
    {
        DocumentWindow *doc = openPage("<IMG src=\"http://example.org/a.gif\" align=\"right\">");
        QVERIFY(doc);
        doc->editor().setCaret(5);
        ImageHelper *p = open();
        QVERIFY(p);
        QVERIFY(p->isEditingTag());
        // An address that names no file here stays as written.
        QCOMPARE(p->aligns()->currentText(), QStringLiteral("right"));
        QCOMPARE(p->output(), QStringLiteral("<IMG src=\"http://example.org/a.gif\" "
                                             "align=\"right\">"));
        click(p->insertButton());
        QCOMPARE(doc->editor().text(),
                 QStringLiteral("<IMG src=\"http://example.org/a.gif\" align=\"right\">"));
    }

    // Read tag keeps the size the author wrote, whatever the picture's own; the picture's
    // size comes back on request, and a size typed keeps the aspect ratio while asked to.
    void readTagKeepsTheAuthorsSize()
    {
        DocumentWindow *doc = openPage("<p><img src=\"img/photo.jpg\" width=\"50\" "
                                       "height=\"40\"></p>");
        QVERIFY(doc);
        ImageHelper *p = open();
        QVERIFY(p);
        doc->editor().setCaret(6);
        click(p->readButton());
        QVERIFY(p->isEditingTag());
        QCOMPARE(p->browser()->selectedFile(), m_site + QStringLiteral("/img/photo.jpg"));
        QCOMPARE(p->widthEdit()->value(), 50);
        QCOMPARE(p->heightEdit()->value(), 40);
        press(p->insertButton());
        QCOMPARE(doc->editor().text(), QStringLiteral("<p><IMG src=\"img/photo.jpg\" width=\"50\" "
                                                      "height=\"40\"></p>"));

        press(p->pictureSizeButton());
        QVERIFY(p->output().contains(QLatin1String("width=\"64\" height=\"48\"")));
        QVERIFY(p->keepRatio()->isChecked());
        typeNumber(p->widthEdit(), 32);
        QCOMPARE(p->heightEdit()->value(), 24);
        click(p->keepRatio());
        typeNumber(p->heightEdit(), 100);
        QCOMPARE(p->widthEdit()->value(), 32);
        QVERIFY(p->output().contains(QLatin1String("width=\"32\" height=\"100\"")));

        // A new tag takes the size of the picture chosen for it.
        doc->editor().setCaret(doc->editor().length());
        clickFile(*p->browser(), QStringLiteral("anim.gif"));
        QCOMPARE(p->widthEdit()->value(), 8);
        QCOMPARE(p->heightEdit()->value(), 6);
    }

    // A border is any number up to the field's limit; more is refused aloud, not cut.
    void borderTakesLargeNumbersWhole()
    {
        openPage("");
        ImageHelper *p = open();
        QVERIFY(p);
        typeNumber(p->borderedit(), 150);
        QVERIFY(p->output().contains(QLatin1String("border=\"150\"")));
        QTest::keyClick(p->borderedit(), Qt::Key_Return);
        QTest::mouseClick(p->borderedit(), Qt::LeftButton);
        QTest::keyClick(p->borderedit(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(p->borderedit(), QStringLiteral("99999"));
        QTest::keyClick(p->borderedit(), Qt::Key_Return);
        QCOMPARE(p->borderedit()->value(), 150);
        QVERIFY(!qobject_cast<NumberField *>(p->borderedit())->refusal().isEmpty());
    }

    // With capitals and apostrophes on, a tag read back keeps the author's words and stays
    // valid: a value holding an apostrophe keeps its double quotes.
    void caseAndQuotesLeaveTheAuthorsText()
    {
        m_settings->write(Keys::UCase, true);
        m_settings->write(Keys::Apostrophe, true);
        DocumentWindow *doc = openPage("<img src=\"http://example.org/a.gif\" alt=\"Bob's cat\" "
                                       "title=\"Say 'hi'\" class=\"Pic\">");
        QVERIFY(doc);
        ImageHelper *p = open();
        QVERIFY(p);
        doc->editor().setCaret(5);
        click(p->readButton());
        press(p->insertButton());
        QCOMPARE(doc->editor().text(),
                 QStringLiteral("<IMG SRC='http://example.org/a.gif' ALT=\"Bob's cat\" "
                                "TITLE=\"Say 'hi'\" CLASS='Pic'>"));
    }

    // An address and an alt text typed in; class and title fields; all read back.
    void typedAddressAltTextAndAttributes()
    {
        DocumentWindow *doc = openPage("");
        ImageHelper *p = open();
        QVERIFY(p);
        typeInto(p->addressEdit(), QStringLiteral("http://example.org/Cat.png"));
        typeInto(p->altEdit(), QStringLiteral("Bob's cat"));
        QVERIFY(p->alts()->isChecked());
        typeInto(p->tagAttributes()->field("class"), QStringLiteral("pic"));
        typeInto(p->tagAttributes()->field("title"), QStringLiteral("Say \"hi\""));
        press(p->insertButton());
        const QString tag = QStringLiteral("<IMG src=\"http://example.org/Cat.png\" border=\"0\" "
                                           "alt=\"Bob's cat\" class=\"pic\" title='Say \"hi\"'>");
        QCOMPARE(doc->editor().text(), tag);

        // A file clicked fills the address again.
        clickFile(*p->browser(), QStringLiteral("Cat Photo.png"));
        QCOMPARE(p->addressEdit()->text(), QStringLiteral("Cat%20Photo.png"));

        // Read back, the fields show the tag; an emptied title goes.
        doc->editor().setCaret(3);
        click(p->readButton());
        QCOMPARE(p->addressEdit()->text(), QStringLiteral("http://example.org/Cat.png"));
        QCOMPARE(p->altEdit()->text(), QStringLiteral("Bob's cat"));
        QCOMPARE(p->tagAttributes()->field("class")->text(), QStringLiteral("pic"));
        QCOMPARE(p->tagAttributes()->field("title")->text(), QStringLiteral("Say \"hi\""));
        typeInto(p->tagAttributes()->field("title"), QString());
        press(p->insertButton());
        QCOMPARE(doc->editor().text(),
                 QStringLiteral("<IMG src=\"http://example.org/Cat.png\" border=\"0\" "
                                "alt=\"Bob's cat\" class=\"pic\">"));
    }

    void upperCaseKeepsTheFileName()
    {
        m_settings->write(Keys::UCase, true);
        DocumentWindow *doc = openPage("");
        ImageHelper *p = open();
        QVERIFY(p);
        clickFile(*p->browser(), QStringLiteral("Cat Photo.png"));
        click(p->alts());
        click(p->insertButton());
        QCOMPARE(doc->editor().text(),
                 QStringLiteral("<IMG SRC=\"Cat%20Photo.png\" BORDER=\"0\" ALT=\"\">"));
    }

    // Lower case changes the names the panel builds; the address and alt text stay as typed.
    void lowerCaseKeepsTheAddress()
    {
        m_settings->write(Keys::TagCase, QStringLiteral("lower"));
        DocumentWindow *doc = openPage("");
        ImageHelper *p = open();
        QVERIFY(p);
        typeInto(p->addressEdit(), QStringLiteral("Pic.PNG"));
        typeInto(p->altEdit(), QStringLiteral("A Cat"));
        press(p->insertButton());
        QCOMPARE(doc->editor().text(),
                 QStringLiteral("<img src=\"Pic.PNG\" border=\"0\" alt=\"A Cat\">"));
    }
};

QTEST_MAIN(TestImageHelper)
#include "tst_imagehelper.moc"

#include "base/settingsfile.h"
#include "view/editorfont.h"

#include <QTemporaryDir>
#include <QtTest>

// The font rules without widgets: the stored style text and reading the stored default font
// over the editor's current one.
class TestEditorFont : public QObject
{
    Q_OBJECT

private:
    static EditorFontSpec courier()
    {
        EditorFontSpec f;
        f.face = QStringLiteral("Courier");
        f.points = 12;
        f.colour = 0x0000FF;
        f.bold = true;
        f.underline = true;
        return f;
    }

private Q_SLOTS:
    void styleTextRoundTrip_data()
    {
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("italic");
        QTest::addColumn<QString>("text");
        QTest::newRow("regular") << false << false << "regular";
        QTest::newRow("bold") << true << false << "bold";
        QTest::newRow("italic") << false << true << "italic";
        QTest::newRow("bolditalic") << true << true << "bolditalic";
    }
    void styleTextRoundTrip()
    {
        QFETCH(bool, bold);
        QFETCH(bool, italic);
        QFETCH(QString, text);
        EditorFontSpec f;
        f.bold = bold;
        f.italic = italic;
        QCOMPARE(EditorFont::styleText(f), text);

        EditorFontSpec back = courier();
        QVERIFY(EditorFont::applyStyleText(text, &back));
        QCOMPARE(back.bold, bold);
        QCOMPARE(back.italic, italic);
        QVERIFY(!back.underline); // a stored style holds no underline
    }

    void underlineOrStrikeOutHasNoStyleText()
    {
        EditorFontSpec f = courier();
        QCOMPARE(EditorFont::styleText(f), QString());
        f.underline = false;
        f.strikeOut = true;
        QCOMPARE(EditorFont::styleText(f), QString());
    }

    void unknownStyleTextsChangeNothing()
    {
        for (const char *text : {"", "Bold", "bold italic", "underline"}) {
            EditorFontSpec f = courier();
            QVERIFY(!EditorFont::applyStyleText(QLatin1String(text), &f));
            QCOMPARE(f, courier());
        }
    }

    void readStoredKeepsWhatIsMissingOrUnusable()
    {
        QTemporaryDir dir;
        SettingsFile settings(dir.filePath("quillm.ini"));
        QCOMPARE(EditorFont::readStored(settings, courier()), courier());

        settings.write(Keys::FontPoints, 20);
        EditorFontSpec want = courier();
        want.points = 20;
        QCOMPARE(EditorFont::readStored(settings, courier()), want);

        // An empty face and a size below 1 would give no usable font.
        settings.write(Keys::FontName, QString());
        settings.write(Keys::FontPoints, 0);
        settings.write(Keys::FontStyle, QStringLiteral("italic"));
        want = courier();
        want.bold = false;
        want.italic = true;
        want.underline = false;
        QCOMPARE(EditorFont::readStored(settings, courier()), want);
    }
};

QTEST_GUILESS_MAIN(TestEditorFont)
#include "tst_editorfont.moc"

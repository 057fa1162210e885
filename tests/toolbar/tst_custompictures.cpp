// Every custom button shows a picture on the toolbar and in the customising list: the
// user's own where there is one, else its numbered picture.
#include "framedriver.h"
#include "frametestbase.h"
#include "toolbar/speedbar.h"
#include "toolbar/speeditems.h"

#include <QPainter>

class TestCustomPictures : public FrameTestBase
{
    Q_OBJECT

private Q_SLOTS:
    void everyCustomButtonHasAPicture()
    {
        resetHome();
        // A picture of the user's own for button 7.
        const QString own = m_home->path() + QStringLiteral("/custbmp/cust7.bmp");
        QDir().mkpath(QFileInfo(own).absolutePath());
        QImage red(16, 16, QImage::Format_RGB32);
        red.fill(Qt::red);
        QVERIFY(red.save(own, "BMP"));
        auto frame = startFrame();
        QVERIFY(QTest::qWaitForWindowExposed(frame.get()));
        int custom = 0;
        for (const SpeedItemRow &row : speedItems()) {
            if (row.number > CustomButtonCount)
                continue;
            ++custom;
            const QIcon icon = drive(frame).speedBar().picture(speedItemName(row.number));
            QVERIFY2(!icon.isNull(), row.command);
            if (row.number == 7)
                QCOMPARE(icon.pixmap(16, 16).toImage().pixelColor(8, 8), QColor(Qt::red));
        }
        QCOMPARE(custom, 20);
    }
};

QTEST_MAIN(TestCustomPictures)
#include "tst_custompictures.moc"

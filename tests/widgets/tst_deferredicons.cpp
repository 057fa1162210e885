// Icons that wait to be made until they are drawn, and the style that hands them out.
#include "widgets/deferredicons.h"

#include <QApplication>
#include <QMenuBar>
#include <QPainter>
#include <QStyleFactory>
#include <QtTest>

class TestDeferredIcons : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void madeOnceWhenFirstDrawnAndThenLikeTheIconItStandsFor()
    {
        int made = 0;
        QPixmap red(16, 16);
        red.fill(Qt::red);
        QIcon icon = deferredIcon([&] {
            ++made;
            return QIcon(red);
        });
        QIcon copy = icon;
        QCOMPARE(made, 0);

        QImage canvas(16, 16, QImage::Format_ARGB32);
        canvas.fill(Qt::white);
        QPainter painter(&canvas);
        icon.paint(&painter, canvas.rect());
        painter.end();
        QCOMPARE(made, 1);
        QCOMPARE(canvas.pixelColor(8, 8), QColor(Qt::red));
        QCOMPARE(icon.pixmap(16, 16).toImage().pixelColor(3, 3), QColor(Qt::red));
        QVERIFY(!icon.isNull());
        QCOMPARE(icon.availableSizes(), QList<QSize>{QSize(16, 16)});
        QCOMPARE(made, 1);
        // Copies share what was made.
        QVERIFY(!copy.isNull());
        QVERIFY(!copy.pixmap(16, 16).isNull());
        QCOMPARE(made, 1);

        // An icon that turns out to have nothing is null, unless it was promised not to be:
        // then asking does not make it.
        QVERIFY(deferredIcon([] { return QIcon(); }).isNull());
        int promised = 0;
        const QIcon sure = deferredIcon(
            [&] {
                ++promised;
                return QIcon(red);
            },
            true);
        QVERIFY(!sure.isNull());
        QCOMPARE(promised, 0);
    }

    void theStyleDrawsItsOwnPicturesOnlyWhenAsked()
    {
        auto *base = QStyleFactory::create(QStringLiteral("Fusion"));
        QVERIFY(base);
        const QImage expected = base->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton)
                                    .pixmap(16, 16)
                                    .toImage();
        DeferredIconStyle style(base);
        QCOMPARE(style.standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton)
                     .pixmap(16, 16)
                     .toImage(),
                 expected);
        // A menu bar made with the style draws its overflow button as the base style would.
        QMenuBar bar;
        bar.setStyle(&style);
        for (int i = 0; i < 30; ++i)
            bar.addMenu(QStringLiteral("Menu number %1").arg(i));
        bar.resize(200, 30);
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        QVERIFY(!bar.grab().isNull());
        bar.setStyle(nullptr);
    }
};

QTEST_MAIN(TestDeferredIcons)
#include "tst_deferredicons.moc"

// The document tab strips' look: box sizes, where the text and close button go, and the colours
// that tell the current tab.
#include "widgets/tabstripstyle.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTabBar>
#include <QtTest>

namespace {

struct Strip
{
    QWidget holder;
    QTabBar *bar;

    Strip(TabStripStyle::Documents documents, int textHeight, QPalette::ColorRole border)
        : bar(new QTabBar(&holder))
    {
        TabStripStyle::apply(bar, {documents, textHeight, border});
        bar->setDocumentMode(true);
        bar->setExpanding(false);
        bar->setDrawBase(false);
        bar->setTabsClosable(true);
        holder.resize(500, 40);
    }

    void show()
    {
        holder.show();
        QVERIFY(QTest::qWaitForWindowExposed(&holder));
    }

    QImage picture() { return bar->grab().toImage(); }
};

} // namespace

class TestTabStripStyle : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tabsAreTheTextWithRoomForBordersPaddingAndTheCloseButton()
    {
        Strip upper(TabStripStyle::Documents::Below, 18, QPalette::Mid);
        Strip lower(TabStripStyle::Documents::Above, 16, QPalette::Dark);
        for (Strip *strip : {&upper, &lower}) {
            strip->bar->addTab(QStringLiteral("Untitled1"));
            strip->bar->addTab(QStringLiteral("a && b.htm"));
            strip->show();
            QCOMPARE(strip->bar->font().family(), QStringLiteral("Arial"));
            QCOMPARE(strip->bar->font().pixelSize(), 12);
        }
        // The room for the text and the borders: a one-pixel side away from the documents and
        // a two-pixel edge towards them.
        QCOMPARE(upper.bar->tabRect(0).height(), 21);
        QCOMPARE(lower.bar->tabRect(0).height(), 19);
        QCOMPARE(upper.bar->sizeHint().height(), 21);

        for (Strip *strip : {&upper, &lower}) {
            QTabBar *bar = strip->bar;
            const QFontMetrics metrics(bar->font());
            for (int i = 0; i < bar->count(); ++i) {
                const QRect tab = bar->tabRect(i);
                QWidget *close = bar->tabButton(i, QTabBar::RightSide);
                QVERIFY(close);
                const int text = metrics.size(Qt::TextShowMnemonic, bar->tabText(i)).width();
                QCOMPARE(tab.width(), text + 2 * (TabStripStyle::Border + TabStripStyle::Padding) +
                                          close->width() + TabStripStyle::ButtonRoom);
                // Tabs follow each other without overlapping.
                if (i > 0)
                    QCOMPARE(tab.left(), bar->tabRect(i - 1).right() + 1);
                QCOMPARE(close->geometry().right(), tab.right() - TabStripStyle::ButtonGap);
                QVERIFY(close->geometry().top() >= tab.top());
            }
        }
    }

    void theCurrentTabIsTheBaseColourWithAHighlightEdgeTowardsTheDocuments()
    {
        Strip upper(TabStripStyle::Documents::Below, 18, QPalette::Mid);
        Strip lower(TabStripStyle::Documents::Above, 16, QPalette::Dark);
        for (Strip *strip : {&upper, &lower}) {
            strip->bar->addTab(QStringLiteral("one"));
            strip->bar->addTab(QStringLiteral("two"));
            strip->bar->setCurrentIndex(0);
            strip->show();
        }
        const QPalette palette = upper.bar->palette();
        const auto check = [&](Strip &strip, int edgeRow, int sideRow, QPalette::ColorRole side) {
            const QImage picture = strip.picture();
            const QRect current = strip.bar->tabRect(0);
            const QRect other = strip.bar->tabRect(1);
            // A point inside each tab, clear of its text and close button.
            const int x0 = current.left() + 4, x1 = other.left() + 4;
            const int middle = current.center().y();
            QCOMPARE(picture.pixelColor(x0, middle).rgb(), palette.color(QPalette::Base).rgb());
            QCOMPARE(picture.pixelColor(x1, middle).rgb(), palette.color(QPalette::Button).rgb());
            QCOMPARE(picture.pixelColor(x0, edgeRow).rgb(),
                     palette.color(QPalette::Highlight).rgb());
            QCOMPARE(picture.pixelColor(x1, edgeRow).rgb(), palette.color(QPalette::Button).rgb());
            QCOMPARE(picture.pixelColor(x0, sideRow).rgb(), palette.color(side).rgb());
            QCOMPARE(picture.pixelColor(current.left(), middle).rgb(), palette.color(side).rgb());
            QCOMPARE(picture.pixelColor(other.right(), middle).rgb(), palette.color(side).rgb());
        };
        const int upperBottom = upper.bar->tabRect(0).bottom();
        check(upper, upperBottom, 0, QPalette::Mid);
        check(lower, 0, lower.bar->tabRect(0).bottom(), QPalette::Dark);

        // The text is in the text colour on the current tab and the button text colour on the
        // others.
        const auto darkest = [](const QImage &picture, const QRect &area) {
            int least = 255 * 3;
            QColor found;
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x) {
                    const QColor c = picture.pixelColor(x, y);
                    if (c.red() + c.green() + c.blue() < least) {
                        least = c.red() + c.green() + c.blue();
                        found = c;
                    }
                }
            return found;
        };
        QPalette coloured = palette;
        coloured.setColor(QPalette::Text, Qt::red);
        coloured.setColor(QPalette::ButtonText, Qt::blue);
        lower.bar->setPalette(coloured);
        const QImage picture = lower.picture();
        const QRect firstText(lower.bar->tabRect(0).left() + 11, 3, 12, 12);
        const QRect secondText(lower.bar->tabRect(1).left() + 11, 3, 12, 12);
        const QColor first = darkest(picture, firstText), second = darkest(picture, secondText);
        QVERIFY2(first.red() > 150 && first.blue() < 100, qPrintable(first.name()));
        QVERIFY2(second.blue() > 150 && second.red() < 100, qPrintable(second.name()));
    }

    void picturesComeFromTheApplicationsStyleAndTheStyleGoesWithItsStrip()
    {
        // The application's style hands out its pictures in its own way (they wait until drawn);
        // the strip asks it rather than a style of its own.
        struct Counting : QProxyStyle
        {
            mutable int asked = 0;
            QIcon standardIcon(StandardPixmap which, const QStyleOption *option,
                               const QWidget *widget) const override
            {
                ++asked;
                return QProxyStyle::standardIcon(which, option, widget);
            }
        };
        auto *counting = new Counting;
        QApplication::setStyle(counting);
        Strip strip(TabStripStyle::Documents::Above, 16, QPalette::Dark);
        strip.bar->addTab(QStringLiteral("one"));
        strip.bar->style()->standardIcon(QStyle::SP_TabCloseButton);
        QCOMPARE(counting->asked, 1);

        QPointer<QStyle> style = strip.bar->style();
        QVERIFY(style != counting);
        delete strip.bar;
        QVERIFY(style.isNull());
    }
};

QTEST_MAIN(TestTabStripStyle)
#include "tst_tabstripstyle.moc"

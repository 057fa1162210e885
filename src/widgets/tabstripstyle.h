#pragma once

#include <QPalette>
#include <QProxyStyle>

class QTabBar;

// The look of a strip of document tabs, drawn directly rather than through a style sheet,
// which would set up Qt's whole style sheet machinery on the way to the first window.
// Each tab is a box with a one-pixel border, ten pixels of room either side of its text and a
// two-pixel edge on the side towards the documents: the current tab is the window colour with
// that edge in the highlight colour, the others are the button colour with an edge of the
// same colour, so that all the texts stand on one line.
class TabStripStyle : public QProxyStyle
{
    Q_OBJECT

public:
    // Where the documents are, seen from the strip.
    enum class Documents { Below, Above };

    struct Look
    {
        Documents documents;
        int textHeight; // the room for the text, borders not counted
        QPalette::ColorRole border;
    };

    // Gives `bar` this look and its font (Arial, 12 pixels); the style belongs to the bar.
    static void apply(QTabBar *bar, const Look &look);

    explicit TabStripStyle(const Look &look);

    static constexpr int Border = 1;
    static constexpr int Edge = 2;
    static constexpr int Padding = 10;
    // Between a tab's close button and its right-hand side.
    static constexpr int ButtonGap = 5;
    // What the tab bar adds to a tab's width for its close button, beyond the button itself.
    static constexpr int ButtonRoom = 4;

    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                           const QWidget *widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
    QRect subElementRect(SubElement element, const QStyleOption *option,
                         const QWidget *widget = nullptr) const override;
    // The application's own icons, which wait until they are drawn.
    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;

private:
    void drawShape(const QStyleOption *option, QPainter *painter) const;
    void drawLabel(const QStyleOption *option, QPainter *painter, const QWidget *widget) const;
    // The tab less its borders and edge.
    QRect inside(const QRect &tab) const;

    Look m_look;
};

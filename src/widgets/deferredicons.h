#pragma once

#include <QIcon>
#include <QProxyStyle>

#include <functional>

// An icon that is made only when it is first drawn or measured. The style's own pictures are
// files, and reading the first picture file makes Qt load every image format module it has;
// an icon that waits keeps that off the way to the first window.
// `neverNull` says the icon made is sure to draw something, so that asking whether there is
// an icon does not make it.
QIcon deferredIcon(std::function<QIcon()> make, bool neverNull = false);

// The application's style with its standard icons deferred. Everything else is the style it
// wraps.
class DeferredIconStyle : public QProxyStyle
{
    Q_OBJECT

public:
    // Takes `base` over.
    explicit DeferredIconStyle(QStyle *base);

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};

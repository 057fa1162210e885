#include "widgets/deferredicons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QStyleOption>
#include <QWidget>

#include <memory>
#include <optional>

namespace {

class DeferredEngine : public QIconEngine
{
public:
    DeferredEngine(std::shared_ptr<std::function<QIcon()>> make, bool neverNull)
        : m_make(std::move(make)), m_neverNull(neverNull)
    {
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override
    {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    QString iconName() override { return icon().name(); }
    bool isNull() override { return !m_neverNull && icon().isNull(); }
    QString key() const override { return QStringLiteral("DeferredEngine"); }
    QIconEngine *clone() const override
    {
        auto *copy = new DeferredEngine(m_make, m_neverNull);
        copy->m_icon = m_icon;
        return copy;
    }

private:
    QIcon &icon()
    {
        if (!m_icon)
            m_icon = (*m_make)();
        return *m_icon;
    }

    std::shared_ptr<std::function<QIcon()>> m_make;
    bool m_neverNull;
    std::optional<QIcon> m_icon;
};

} // namespace

QIcon deferredIcon(std::function<QIcon()> make, bool neverNull)
{
    return QIcon(
        new DeferredEngine(std::make_shared<std::function<QIcon()>>(std::move(make)), neverNull));
}

DeferredIconStyle::DeferredIconStyle(QStyle *base) : QProxyStyle(base) {}

QIcon DeferredIconStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption *option,
                                      const QWidget *widget) const
{
    // The option only lives for this call; the widget may be gone by the time the icon is drawn.
    std::optional<QStyleOption> kept;
    if (option)
        kept = *option;
    QPointer<QWidget> guard(const_cast<QWidget *>(widget));
    QPointer<QStyle> base(baseStyle());
    return deferredIcon([=] {
        if (!base)
            return QIcon();
        return base->standardIcon(standardIcon, kept ? &*kept : nullptr, guard.data());
    });
}

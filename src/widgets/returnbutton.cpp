#include "widgets/returnbutton.h"

#include "base/settingsfile.h"
#include "widgets/dragoutline.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QStyle>
#include <QToolButton>

namespace {
constexpr int ButtonWidth = 60;
constexpr int ButtonHeight = 25;
} // namespace

ReturnButton::ReturnButton(SettingsFile &settings, QWidget *mainWindow)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::WindowDoesNotAcceptFocus),
      m_settings(settings), m_main(mainWindow)
{
    setObjectName(QStringLiteral("TForm3"));
    setWindowTitle(QStringLiteral("Return Icon"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAutoFillBackground(true);
    QPalette teal = palette();
    teal.setColor(QPalette::Window, QColor(0, 128, 128));
    setPalette(teal);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 1, 2, 1);
    layout->setSpacing(2);
    auto *back = new QToolButton(this);
    back->setObjectName(QStringLiteral("picture"));
    back->setAutoRaise(true);
    back->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
    back->setToolTip(QStringLiteral("Return to Quillmark"));
    auto *handle = new QLabel(QStringLiteral("\u2630"), this);
    handle->setObjectName(QStringLiteral("handle"));
    handle->setToolTip(QStringLiteral("Drag to move"));
    handle->setCursor(Qt::SizeAllCursor);
    layout->addWidget(back, 1);
    layout->addWidget(handle);
    handle->installEventFilter(this);
    installEventFilter(this);

    connect(back, &QToolButton::clicked, this, [this] {
        hide();
        if (m_main) {
            m_main->showNormal();
            m_main->raise();
            m_main->activateWindow();
        }
        Q_EMIT returned();
        close();
    });

    setFixedSize(ButtonWidth, ButtonHeight);
    move(m_settings.read(Keys::BackLeft), m_settings.read(Keys::BackTop));
}

ReturnButton::~ReturnButton()
{
    delete m_outline;
}

void ReturnButton::closeEvent(QCloseEvent *event)
{
    if (!m_dropped) {
        SettingsFile::Batch batch(m_settings);
        m_settings.write(Keys::BackTop, y());
        m_settings.write(Keys::BackLeft, x());
    }
    QWidget::closeEvent(event);
}

bool ReturnButton::eventFilter(QObject *watched, QEvent *event)
{
    auto *mouse = dynamic_cast<QMouseEvent *>(event);
    if (!mouse)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (mouse->button() != Qt::LeftButton)
            break;
        if (!m_outline)
            m_outline = new DragOutline;
        m_outline->begin(frameGeometry(), mouse->globalPosition().toPoint());
        return true;
    case QEvent::MouseMove:
        if (m_outline && m_outline->dragging()) {
            m_outline->follow(mouse->globalPosition().toPoint());
            return true;
        }
        break;
    case QEvent::MouseButtonRelease:
        if (m_outline && m_outline->dragging()) {
            move(pos() + m_outline->end(mouse->globalPosition().toPoint()));
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

ReturnButtons::~ReturnButtons()
{
    drop();
}

void ReturnButtons::show()
{
    if (!m_settings.read(Keys::Back).isEmpty() || m_button)
        return;
    m_button = new ReturnButton(m_settings, m_main);
    m_button->show();
}

void ReturnButtons::close()
{
    if (m_button)
        m_button->close();
}

void ReturnButtons::drop()
{
    if (!m_button)
        return;
    m_button->m_dropped = true;
    delete m_button.data();
}

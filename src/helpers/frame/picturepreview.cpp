#include "helpers/frame/picturepreview.h"

#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QMouseEvent>
#include <QMovie>

std::optional<QSize> pictureSize(const QString &path, QString *reason)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    QSize size = reader.canRead() ? reader.size() : QSize();
    if (!size.isValid() && reader.canRead()) {
        const QImage image = reader.read();
        size = image.size();
    }
    if (!size.isValid() || size.isEmpty()) {
        if (reason)
            *reason = reader.errorString();
        return std::nullopt;
    }
    return size;
}

QStringList pictureMasks()
{
    QStringList masks;
    const QList<QByteArray> formats = QImageReader::supportedImageFormats();
    for (const char *ext : {"gif", "jpg", "jpeg", "png", "webp", "svg"}) {
        const QByteArray e(ext);
        if (formats.contains(e) || (e == "jpg" && formats.contains("jpeg")))
            masks << QStringLiteral("*.") + QLatin1String(ext);
    }
    return masks;
}

PicturePreview::PicturePreview(QWidget *parent) : QScrollArea(parent)
{
    setObjectName(QStringLiteral("gifpan"));
    m_picture = new QLabel;
    m_picture->setObjectName(QStringLiteral("picture"));
    m_picture->setAlignment(Qt::AlignCenter);
    setWidget(m_picture);
    setAlignment(Qt::AlignCenter);
    setWidgetResizable(false);
    setBackgroundRole(QPalette::Dark);
}

bool PicturePreview::isAnimated() const
{
    return m_movie && m_movie->frameCount() != 1;
}

void PicturePreview::clear()
{
    if (m_movie) {
        m_picture->setMovie(nullptr);
        delete m_movie;
        m_movie = nullptr;
    }
    m_picture->clear();
    m_picture->setPalette(QPalette());
    m_picture->setAutoFillBackground(false);
    m_picture->setMargin(0);
    m_picture->adjustSize();
    m_file.clear();
}

bool PicturePreview::load(const QString &path)
{
    clear();
    m_file = path;
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    if (reader.canRead() && reader.supportsAnimation() && reader.imageCount() != 1) {
        m_movie = new QMovie(path, QByteArray(), this);
        m_movie->setFormat(reader.format());
        if (m_movie->isValid()) {
            m_picture->setMovie(m_movie);
            m_movie->start();
            m_picture->resize(m_movie->currentPixmap().size().expandedTo(QSize(1, 1)));
            return true;
        }
        delete m_movie;
        m_movie = nullptr;
    }
    const QImage image = reader.read();
    if (image.isNull()) {
        m_picture->setText(QStringLiteral("%1\ncannot be read:\n%2")
                               .arg(QFileInfo(path).fileName(), reader.errorString()));
        QPalette note = m_picture->palette();
        note.setColor(QPalette::Window, QColor(0xFF, 0xFF, 0xE0));
        note.setColor(QPalette::WindowText, QColor(0x80, 0x00, 0x00));
        m_picture->setPalette(note);
        // The area's dark background would otherwise give the label light text on gray.
        m_picture->setBackgroundRole(QPalette::Window);
        m_picture->setForegroundRole(QPalette::WindowText);
        m_picture->setAutoFillBackground(true);
        m_picture->setWordWrap(true);
        m_picture->setMargin(4);
        const int width = std::max(80, viewport()->width() - 8);
        m_picture->resize(width, m_picture->heightForWidth(width));
        return false;
    }
    m_picture->setWordWrap(false);
    m_picture->setPixmap(QPixmap::fromImage(image));
    m_picture->adjustSize();
    return true;
}

void PicturePreview::mouseDoubleClickEvent(QMouseEvent *event)
{
    QScrollArea::mouseDoubleClickEvent(event);
    Q_EMIT doubleClicked();
}

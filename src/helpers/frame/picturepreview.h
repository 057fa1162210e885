#pragma once

#include <QScrollArea>
#include <QSize>
#include <QString>

#include <optional>

class QLabel;
class QMovie;

// A picture's size in pixels, read from the file's header through Qt's image readers (read
// in full only where a format does not tell). Nothing, and the reason, when it cannot be
// read.
std::optional<QSize> pictureSize(const QString &path, QString *reason = nullptr);

// The file masks of the pictures the helpers offer: what the image readers here can read of
// GIF, JPEG, PNG, WebP and SVG.
QStringList pictureMasks();

// The preview of a picture: animated where the format animates (GIF, WebP), centred while
// smaller than the area, from the top left and scrollable while larger. A picture that
// cannot be read is shown as such. A double click is reported.
class PicturePreview : public QScrollArea
{
    Q_OBJECT

public:
    explicit PicturePreview(QWidget *parent = nullptr);

    // Shows the picture; false when it cannot be read (the area then says so).
    bool load(const QString &path);
    void clear();
    QString file() const { return m_file; }
    bool isAnimated() const;
    QLabel *pictureLabel() const { return m_picture; }

Q_SIGNALS:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QLabel *m_picture;
    QMovie *m_movie = nullptr;
    QString m_file;
};

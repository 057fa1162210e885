#include "preview/web/soundplayer.h"

#ifdef QM_HAVE_MULTIMEDIA
#include <QAudioOutput>
#include <QMediaPlayer>
#include <QUrl>

struct SoundPlayer::Backend
{
    QMediaPlayer *player = nullptr;
    QAudioOutput *output = nullptr;
};

SoundPlayer::SoundPlayer(QObject *parent) : QObject(parent) {}

SoundPlayer::~SoundPlayer()
{
    delete m_backend;
}

void SoundPlayer::play(const QString &file, int loops)
{
    // The player is made on the first sound: most pages have none.
    if (!m_backend) {
        m_backend = new Backend;
        m_backend->player = new QMediaPlayer(this);
        m_backend->output = new QAudioOutput(this);
        m_backend->player->setAudioOutput(m_backend->output);
    }
    m_backend->player->stop();
    m_backend->player->setLoops(loops < 0 ? QMediaPlayer::Infinite : qMax(1, loops));
    m_backend->player->setSource(QUrl::fromLocalFile(file));
    m_backend->player->play();
}

void SoundPlayer::stop()
{
    if (m_backend)
        m_backend->player->stop();
}
#else
struct SoundPlayer::Backend
{
};

SoundPlayer::SoundPlayer(QObject *parent) : QObject(parent) {}
SoundPlayer::~SoundPlayer() = default;
void SoundPlayer::play(const QString &, int) {}
void SoundPlayer::stop() {}
#endif

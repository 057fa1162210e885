#pragma once

#include <QObject>
#include <QString>

// Plays the sounds a previewed page asks for: its background sound and sound files the user
// clicks. Without Qt Multimedia it stays silent. Errors are swallowed: a sound is never worth
// a message.
class SoundPlayer : public QObject
{
public:
    explicit SoundPlayer(QObject *parent = nullptr);
    ~SoundPlayer() override;

    // Plays the file the given number of times (-1: for ever), replacing any sound playing.
    void play(const QString &file, int loops);
    void stop();

private:
    struct Backend;
    Backend *m_backend = nullptr;
};

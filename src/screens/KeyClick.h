#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

// The short click a key makes. Where there is no audio output it stays silent; nothing about sound
// ever fails the caller. The sound is a few milliseconds of decaying tone and noise made here, so
// no file has to be shipped and found; the audio stack is a module loaded on the first prepare().
class KeyClick final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(KeyClick)

public:
    explicit KeyClick(QObject* parent = nullptr);
    ~KeyClick() override;

    // Looks for an output device and loads the sound; play() does it first if it has not been done.
    // Finding the device can take a moment, so a screen prepares before its first key is pressed.
    void prepare();
    // Starts the click (asynchronously) and tells `played` listeners, with or without a device.
    void play();
    // Whether a device was found and the sound could be prepared.
    bool isAudible() const { return m_player != nullptr; }

    // The click as a 16-bit mono PCM WAV file.
    static QByteArray waveData();
    // The audio module's file; empty when it is nowhere to be found.
    static QString audioModulePath();

signals:
    void played();

private:
    bool m_prepared = false;
    QObject* m_player = nullptr; // child; a sound effect from the audio module
};

// The audio half of the key click, built as a module of its own: Qt Multimedia and the sound
// system behind it are loaded on the first need for a click, not while the window first appears.
#include <QAudioDevice>
#include <QDir>
#include <QLoggingCategory>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTemporaryFile>
#include <QUrl>

namespace {
// The module links nothing of the program: the same category as the key click's own lines.
Q_LOGGING_CATEGORY(lcSound, "ratepad.sound")
} // namespace

// A sound effect that plays `wave` (a WAV file's bytes) at `volume` when its play() slot is
// called, or null where there is no audio output or the sound cannot be stored.
extern "C" Q_DECL_EXPORT QObject* ratepadCreateClickPlayer(QObject* parent, const QByteArray& wave,
                                                           float volume) {
    // No output device (a server, a test run): stay silent rather than let the audio stack complain.
    if (QMediaDevices::audioOutputs().isEmpty())
        return nullptr;
    auto* effect = new QSoundEffect(parent);
    // QSoundEffect reads from a URL only; the file lives as long as the effect.
    auto* file = new QTemporaryFile(QDir::tempPath() + QStringLiteral("/ratepad-click-XXXXXX.wav"), effect);
    if (!file->open() || file->write(wave) < 0 || !file->flush()) {
        qCInfo(lcSound, "KeyClick: cannot write the click sound to %s", qUtf8Printable(file->fileName()));
        delete effect;
        return nullptr;
    }
    file->close();
    effect->setVolume(volume);
    effect->setSource(QUrl::fromLocalFile(file->fileName()));
    return effect;
}

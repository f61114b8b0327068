#include "KeyClick.h"

#include "LogCategories.h"
#include "OwnModule.h"

#include <QtEndian>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace {

constexpr int kSampleRate = 22050;
constexpr double kDurationSeconds = 0.03;
constexpr double kDecaySeconds = 0.004;
constexpr double kToneHz = 2200;
constexpr float kVolume = 0.5f;

void appendLE32(QByteArray& out, std::uint32_t value) {
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

void appendLE16(QByteArray& out, std::uint16_t value) {
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

using CreatePlayer = QObject* (*)(QObject* parent, const QByteArray& wave, float volume);

CreatePlayer playerFactory() {
    static const CreatePlayer create = [] {
        return reinterpret_cast<CreatePlayer>(
            OwnModule::resolve(KeyClick::audioModulePath(), "ratepadCreateClickPlayer"));
    }();
    return create;
}

} // namespace

KeyClick::KeyClick(QObject* parent) : QObject(parent) {}

KeyClick::~KeyClick() = default;

QString KeyClick::audioModulePath() {
    return OwnModule::path(RATEPAD_CLICK_MODULE_INSTALLED, RATEPAD_CLICK_MODULE_BUILT);
}

QByteArray KeyClick::waveData() {
    const int samples = static_cast<int>(kSampleRate * kDurationSeconds);
    const auto dataBytes = static_cast<std::uint32_t>(samples * 2);
    QByteArray wave;
    wave.reserve(44 + static_cast<int>(dataBytes));
    wave.append("RIFF");
    appendLE32(wave, 36 + dataBytes);
    wave.append("WAVEfmt ");
    appendLE32(wave, 16);              // size of the format chunk
    appendLE16(wave, 1);               // PCM
    appendLE16(wave, 1);               // mono
    appendLE32(wave, kSampleRate);     // frames per second
    appendLE32(wave, kSampleRate * 2); // bytes per second
    appendLE16(wave, 2);               // bytes per frame
    appendLE16(wave, 16);              // bits per sample
    wave.append("data");
    appendLE32(wave, dataBytes);
    // A fixed noise sequence, so the click is the same on every run.
    std::uint32_t noise = 0x1234567u;
    for (int i = 0; i < samples; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        noise = noise * 1664525u + 1013904223u;
        const double white = static_cast<double>(noise >> 8) / static_cast<double>(1u << 24) * 2.0 - 1.0;
        const double tone = std::sin(2.0 * std::numbers::pi * kToneHz * t);
        const double value = std::exp(-t / kDecaySeconds) * (0.6 * tone + 0.4 * white);
        appendLE16(wave, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(value * 24000.0))));
    }
    return wave;
}

void KeyClick::prepare() {
    if (m_prepared)
        return;
    m_prepared = true;
    const CreatePlayer createPlayer = playerFactory();
    if (!createPlayer) {
        qCInfo(lcSound, "KeyClick: the audio module cannot be loaded; keys stay silent");
        return;
    }
    m_player = createPlayer(this, waveData(), kVolume);
}

void KeyClick::play() {
    prepare();
    if (m_player)
        QMetaObject::invokeMethod(m_player, "play");
    emit played();
}

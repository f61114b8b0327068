// The key click's sound data.
#include "KeyClick.h"

#include <QLibrary>
#include <QtEndian>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

TEST(KeyClick, isAShortMonoPcmWaveThatStartsLoudAndDiesAwayUnclipped) {
    const QByteArray wave = KeyClick::waveData();
    ASSERT_GT(wave.size(), 44);
    const auto* bytes = reinterpret_cast<const uchar*>(wave.constData());
    const auto u16 = [&](int at) { return qFromLittleEndian<quint16>(bytes + at); };
    const auto u32 = [&](int at) { return qFromLittleEndian<quint32>(bytes + at); };
    EXPECT_EQ(wave.left(4) + wave.mid(8, 8) + wave.mid(36, 4), "RIFFWAVEfmt data");
    EXPECT_EQ(u32(4), static_cast<quint32>(wave.size() - 8));
    EXPECT_EQ(u16(20), 1) << "PCM";
    EXPECT_EQ(u16(22), 1) << "mono";
    EXPECT_EQ(u32(28), u32(24) * 2);
    EXPECT_EQ(u16(34), 16);
    ASSERT_EQ(u32(40), static_cast<quint32>(wave.size() - 44));

    const int samples = static_cast<int>(u32(40) / 2);
    EXPECT_LE(samples, static_cast<int>(u32(24) / 10)) << "a click, not a tone";
    int loudestStart = 0, loudestEnd = 0; // in the first and the last quarter
    for (int i = 0; i < samples; ++i) {
        const int level = std::abs(static_cast<int>(qFromLittleEndian<qint16>(bytes + 44 + 2 * i)));
        EXPECT_LT(level, 32767) << "clipped at sample " << i;
        if (i < samples / 4)
            loudestStart = std::max(loudestStart, level);
        else if (i >= samples * 3 / 4)
            loudestEnd = std::max(loudestEnd, level);
    }
    EXPECT_GT(loudestStart, 8000);
    EXPECT_LT(loudestEnd, 400) << "the click ends in silence, so it never pops";
}

TEST(KeyClick, findsItsAudioModuleWhichOffersThePlayerFactory) {
    // Without the module every key would stay silent even where there is a speaker.
    const QString path = KeyClick::audioModulePath();
    ASSERT_FALSE(path.isEmpty());
    QLibrary module(path);
    EXPECT_NE(module.resolve("ratepadCreateClickPlayer"), nullptr) << module.errorString().toStdString();
}

} // namespace

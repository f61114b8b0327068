// The key click's sound data.
#include "KeyClick.h"

#include <QtEndian>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

TEST(KeyClick, isAShortMonoPcmWaveThatStartsLoudAndDiesAway) {
    const QByteArray wave = KeyClick::waveData();
    ASSERT_GT(wave.size(), 44);
    const auto* bytes = reinterpret_cast<const uchar*>(wave.constData());
    EXPECT_EQ(wave.left(4), "RIFF");
    EXPECT_EQ(qFromLittleEndian<quint32>(bytes + 4), static_cast<quint32>(wave.size() - 8));
    EXPECT_EQ(wave.mid(8, 8), "WAVEfmt ");
    EXPECT_EQ(qFromLittleEndian<quint16>(bytes + 20), 1) << "PCM";
    EXPECT_EQ(qFromLittleEndian<quint16>(bytes + 22), 1) << "mono";
    const quint32 rate = qFromLittleEndian<quint32>(bytes + 24);
    EXPECT_EQ(qFromLittleEndian<quint32>(bytes + 28), rate * 2);
    EXPECT_EQ(qFromLittleEndian<quint16>(bytes + 34), 16);
    EXPECT_EQ(wave.mid(36, 4), "data");
    const quint32 dataBytes = qFromLittleEndian<quint32>(bytes + 40);
    ASSERT_EQ(dataBytes, static_cast<quint32>(wave.size() - 44));

    const int samples = static_cast<int>(dataBytes / 2);
    EXPECT_LE(samples, static_cast<int>(rate / 10)) << "a click, not a tone";
    const auto sample = [&](int i) { return qFromLittleEndian<qint16>(bytes + 44 + 2 * i); };
    // The loudest level in the first and in the last quarter.
    int loudestStart = 0, loudestEnd = 0;
    for (int i = 0; i < samples; ++i) {
        const int level = std::abs(static_cast<int>(sample(i)));
        EXPECT_LT(level, 32767) << "clipped at sample " << i;
        if (i < samples / 4)
            loudestStart = std::max(loudestStart, level);
        else if (i >= samples * 3 / 4)
            loudestEnd = std::max(loudestEnd, level);
    }
    EXPECT_GT(loudestStart, 8000);
    EXPECT_LT(loudestEnd, 400) << "the click ends in silence, so it never pops";
    EXPECT_EQ(KeyClick::waveData(), wave) << "the same click every time";
}

} // namespace

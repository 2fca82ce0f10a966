// The compiled-in sound cues: complete 8-bit mono WAVE files of the right lengths that sound as meant.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "resources/assets.h"

namespace {

uint32_t le32(const uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24; }
uint16_t le16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
std::string tag(const uint8_t* p) { return std::string(reinterpret_cast<const char*>(p), 4); }

struct Cue {
    const char* name;
    uint32_t dataBytes;
};
constexpr Cue cues[] = {{"WVS", 1656}, {"WVM", 24}, {"WVH", 2208}, {"WVE", 8272}, {"WVO", 5624}, {"WVP", 1216}};

// Upward crossings of the mid level in a stretch of samples: a rough pitch measure.
int crossings(const uint8_t* samples, uint32_t from, uint32_t to) {
    int count = 0;
    for (uint32_t i = from + 1; i < to; ++i) count += samples[i - 1] < 128 && samples[i] >= 128;
    return count;
}

const uint8_t* samplesOf(const char* name, uint32_t& count) {
    uint32_t size = 0;
    const uint8_t* wave = findSound(name, size);
    count = wave ? size - 44 : 0;
    return wave ? wave + 44 : nullptr;
}

}  // namespace

TEST(Sounds, EachCueIsACompletePcmWaveOfItsLength) {
    for (const Cue& cue : cues) {
        SCOPED_TRACE(cue.name);
        uint32_t size = 0;
        const uint8_t* wave = findSound(cue.name, size);
        ASSERT_NE(wave, nullptr);
        ASSERT_EQ(size, cue.dataBytes + 44);
        EXPECT_EQ(tag(wave), "RIFF");
        EXPECT_EQ(le32(wave + 4), size - 8);
        EXPECT_EQ(tag(wave + 8), "WAVE");
        EXPECT_EQ(tag(wave + 12), "fmt ");
        EXPECT_EQ(le32(wave + 16), 16u);
        EXPECT_EQ(le16(wave + 20), 1);       // PCM
        EXPECT_EQ(le16(wave + 22), 1);       // mono
        EXPECT_EQ(le32(wave + 24), 11025u);  // samples per second
        EXPECT_EQ(le32(wave + 28), 11025u);  // bytes per second
        EXPECT_EQ(le16(wave + 32), 1);       // bytes per sample frame
        EXPECT_EQ(le16(wave + 34), 8);       // bits per sample
        EXPECT_EQ(tag(wave + 36), "data");
        EXPECT_EQ(le32(wave + 40), cue.dataBytes);
    }
}

TEST(Sounds, UnknownNamesFindNothing) {
    uint32_t size = 7;
    EXPECT_EQ(findSound("WVX", size), nullptr);
    EXPECT_EQ(findSound("wvs", size), nullptr);
    EXPECT_EQ(findSound("", size), nullptr);
    EXPECT_EQ(size, 7u);
}

TEST(Sounds, CuesAreAudibleAndOnlyTheStepClickStartsOrEndsAbruptly) {
    for (const Cue& cue : cues) {
        SCOPED_TRACE(cue.name);
        uint32_t count = 0;
        const uint8_t* s = samplesOf(cue.name, count);
        ASSERT_NE(s, nullptr);
        int peak = 0;
        for (uint32_t i = 0; i < count; ++i) peak = std::max(peak, std::abs(s[i] - 128));
        EXPECT_GT(peak, 40);
        // A smooth envelope starts and ends at the mid level; the click may jump but must still
        // come to rest, so the next cue does not start from an offset.
        EXPECT_LE(std::abs(s[count - 1] - 128), 2);
        if (std::strcmp(cue.name, "WVM") != 0) {
            EXPECT_LE(std::abs(s[0] - 128), 2);
            int largestStep = 0;
            for (uint32_t i = 1; i < count; ++i) largestStep = std::max(largestStep, std::abs(s[i] - s[i - 1]));
            EXPECT_LT(largestStep, 110);  // no sample-to-sample jumps that would crack
        }
    }
}

TEST(Sounds, PitchRisesLeavingTheYardAndFallsOnCaptureAndThreeSixes) {
    uint32_t n = 0;
    const uint8_t* start = samplesOf("WVS", n);
    EXPECT_GT(crossings(start, 2 * n / 3, n), crossings(start, 0, n / 3));
    const uint8_t* capture = samplesOf("WVE", n);
    EXPECT_LT(crossings(capture, 2 * n / 3, n), crossings(capture, 0, n / 3));
    const uint8_t* sixes = samplesOf("WVP", n);
    EXPECT_LT(crossings(sixes, n / 2, n), crossings(sixes, 0, n / 2));
    const uint8_t* home = samplesOf("WVH", n);
    EXPECT_GT(crossings(home, 3 * n / 4, n), crossings(home, 0, n / 4));
}

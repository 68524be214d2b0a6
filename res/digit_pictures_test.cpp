#include "res/digit_pictures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace orvane::res {
namespace {

bool IsAqua(std::uint32_t pixel) {
    const std::uint32_t r = (pixel >> 16) & 0xFF, g = (pixel >> 8) & 0xFF, b = pixel & 0xFF;
    return (pixel >> 24) == 0xFF && r < 40 && g > 200 && b > 200;
}

bool IsBlack(std::uint32_t pixel) {
    return (pixel >> 24) == 0xFF && (pixel & 0xFFFFFF) == 0;
}

// The segments each digit lights, as a seven-segment display shows it (a top, b top right, c bottom
// right, d bottom, e bottom left, f top left, g middle).
const char* const kLitSegments[10] = {"abcdef", "bc",     "abdeg", "abcdg",   "bcfg",
                                      "acdfg",  "acdefg", "abc",   "abcdefg", "abcdfg"};

// At the designed 13 x 22 and at the 144-DPI 20 x 33 (MulDiv rounds 19.5 up).
class DigitPictures : public ::testing::TestWithParam<std::pair<int, int>> {};

TEST_P(DigitPictures, LightExactlyTheDigitsSegmentsOnBlack) {
    const auto [width, height] = GetParam();
    const float pixelsPerUnit = static_cast<float>(height) / kDigitHeight;
    for (int digit = 0; digit <= 9; ++digit) {
        const std::vector<std::uint32_t> pixels = Rasterise(DigitPicture(digit), width, height);
        ASSERT_EQ(pixels.size(), static_cast<std::size_t>(width * height));
        auto at = [&](Point p) {
            const int x = static_cast<int>(std::floor(p.x * pixelsPerUnit));
            const int y = static_cast<int>(std::floor(p.y * pixelsPerUnit));
            return pixels[static_cast<std::size_t>(y * width + x)];
        };
        const std::string lit = kLitSegments[digit];
        for (int s = 0; s < kSegmentCount; ++s) {
            const char name = static_cast<char>('a' + s);
            const std::uint32_t pixel = at(SegmentCentre(static_cast<Segment>(s)));
            if (lit.find(name) != std::string::npos) {
                EXPECT_TRUE(IsAqua(pixel)) << "digit " << digit << " segment " << name << std::hex << " " << pixel;
            } else {
                EXPECT_TRUE(IsBlack(pixel)) << "digit " << digit << " segment " << name << std::hex << " " << pixel;
            }
        }
        // The ground is black and opaque everywhere, also between the segments and at the edges.
        for (Point ground :
             {Point{0.2f, 0.2f}, Point{6.5f, 6.75f}, Point{6.5f, 15.25f}, Point{12.8f, 21.8f}, Point{0.2f, 21.8f}}) {
            EXPECT_TRUE(IsBlack(at(ground))) << "digit " << digit << " at " << ground.x << "," << ground.y;
        }
        for (int x = 0; x < width; ++x) EXPECT_EQ(pixels[static_cast<std::size_t>(x)] >> 24, 0xFFu) << x;
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, DigitPictures, ::testing::Values(std::pair{13, 22}, std::pair{20, 33}));

TEST(DigitPictures, AnythingButADigitIsTheBlackGround) {
    for (int value : {-1, 10, 42}) {
        for (std::uint32_t pixel : Rasterise(DigitPicture(value), kDigitWidth, kDigitHeight)) {
            ASSERT_TRUE(IsBlack(pixel)) << value;
        }
    }
}

}  // namespace
}  // namespace orvane::res

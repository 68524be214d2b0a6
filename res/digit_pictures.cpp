#include "res/digit_pictures.h"

#include <vector>

namespace orvane::res {

namespace {

// The segments' middle lines: the verticals at x = 2.5 and 10.5, the horizontals at y = 2.5, 11 and
// 19.5. Each segment is 2 units thick with pointed ends, and stops short of its neighbours so that
// the seven read as separate strokes.
constexpr float kLeft = 2.5f;
constexpr float kRight = 10.5f;
constexpr float kTop = 2.5f;
constexpr float kMiddle = 11.0f;
constexpr float kBottom = 19.5f;
constexpr float kHalf = 1.0f;  // half the thickness
constexpr float kGap = 0.6f;   // between the ends of two segments

Shape Horizontal(float y) {
    const float x0 = kLeft + kGap;
    const float x1 = kRight - kGap;
    return {Shape::Polygon,
            kDigitSegment,
            0,
            0,
            0,
            0,
            0,
            {{x0, y},
             {x0 + kHalf, y - kHalf},
             {x1 - kHalf, y - kHalf},
             {x1, y},
             {x1 - kHalf, y + kHalf},
             {x0 + kHalf, y + kHalf}}};
}

Shape Vertical(float x, float top, float bottom) {
    const float y0 = top + kGap;
    const float y1 = bottom - kGap;
    return {Shape::Polygon,
            kDigitSegment,
            0,
            0,
            0,
            0,
            0,
            {{x, y0},
             {x + kHalf, y0 + kHalf},
             {x + kHalf, y1 - kHalf},
             {x, y1},
             {x - kHalf, y1 - kHalf},
             {x - kHalf, y0 + kHalf}}};
}

Shape SegmentShape(Segment segment) {
    switch (segment) {
        case Segment::A:
            return Horizontal(kTop);
        case Segment::B:
            return Vertical(kRight, kTop, kMiddle);
        case Segment::C:
            return Vertical(kRight, kMiddle, kBottom);
        case Segment::D:
            return Horizontal(kBottom);
        case Segment::E:
            return Vertical(kLeft, kMiddle, kBottom);
        case Segment::F:
            return Vertical(kLeft, kTop, kMiddle);
        case Segment::G:
            return Horizontal(kMiddle);
    }
    return Horizontal(kMiddle);
}

}  // namespace

std::uint8_t SegmentsOf(int digit) {
    // Bits a (0) to g (6).
    static constexpr std::uint8_t kLit[10] = {
        0b0111111,  // 0: a b c d e f
        0b0000110,  // 1: b c
        0b1011011,  // 2: a b d e g
        0b1001111,  // 3: a b c d g
        0b1100110,  // 4: b c f g
        0b1101101,  // 5: a c d f g
        0b1111101,  // 6: a c d e f g
        0b0000111,  // 7: a b c
        0b1111111,  // 8: all
        0b1101111,  // 9: a b c d f g
    };
    return digit >= 0 && digit <= 9 ? kLit[digit] : 0;
}

Point SegmentCentre(Segment segment) {
    switch (segment) {
        case Segment::A:
            return {(kLeft + kRight) / 2, kTop};
        case Segment::B:
            return {kRight, (kTop + kMiddle) / 2};
        case Segment::C:
            return {kRight, (kMiddle + kBottom) / 2};
        case Segment::D:
            return {(kLeft + kRight) / 2, kBottom};
        case Segment::E:
            return {kLeft, (kMiddle + kBottom) / 2};
        case Segment::F:
            return {kLeft, (kTop + kMiddle) / 2};
        case Segment::G:
            return {(kLeft + kRight) / 2, kMiddle};
    }
    return {0, 0};
}

Picture DigitPicture(int digit) {
    Picture picture;
    picture.design = static_cast<float>(kDigitHeight);
    // The ground covers more than the digit's 13 units, so a picture rasterised a pixel wider than
    // its scaled width stays black at its right edge.
    picture.shapes.push_back({Shape::Rect, kDigitBackground, 0, 0, 2.0f * kDigitWidth, kDigitHeight, 0, {}});
    const std::uint8_t lit = SegmentsOf(digit);
    for (int s = 0; s < kSegmentCount; ++s) {
        if (lit & (1u << s)) picture.shapes.push_back(SegmentShape(static_cast<Segment>(s)));
    }
    return picture;
}

}  // namespace orvane::res

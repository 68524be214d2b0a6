#pragma once
// The CPU window's seven-segment digits: ten pictures of 13 x 22 design units, aqua segments on
// black, drawn from shapes like the tool-bar pictures.

#include <array>
#include <cstdint>

#include "res/picture.h"

namespace orvane::res {

inline constexpr int kDigitWidth = 13;                      // design units (pixels at 96 DPI)
inline constexpr int kDigitHeight = 22;                     // the picture's `design`
inline constexpr std::uint32_t kDigitSegment = 0xFF00FFFF;  // aqua
inline constexpr std::uint32_t kDigitBackground = 0xFF000000;

// The seven segments in the usual order: a top, b top right, c bottom right, d bottom, e bottom
// left, f top left, g middle.
enum class Segment { A, B, C, D, E, F, G };
inline constexpr int kSegmentCount = 7;

// Which segments a digit lights, bit n for Segment n.
std::uint8_t SegmentsOf(int digit);

// The middle of a segment in design units, where it is lit most clearly.
Point SegmentCentre(Segment segment);

// Digit 0 to 9 on its black ground; another value gives the black ground alone.
Picture DigitPicture(int digit);

}  // namespace orvane::res

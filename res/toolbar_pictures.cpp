#include "res/toolbar_pictures.h"

#include <cmath>

namespace orvane::res {

namespace {

// One palette for every picture, so that they read as a set.
constexpr std::uint32_t kInk = 0xFF2B3A4A;      // outlines and dark parts
constexpr std::uint32_t kBlue = 0xFF3A86D8;
constexpr std::uint32_t kLightBlue = 0xFF8CC2F5;
constexpr std::uint32_t kGreen = 0xFF3FA34D;
constexpr std::uint32_t kGold = 0xFFE0A526;
constexpr std::uint32_t kRed = 0xFFD64541;
constexpr std::uint32_t kGrey = 0xFFB8C2CC;
constexpr std::uint32_t kWhite = 0xFFFFFFFF;

Shape R(std::uint32_t c, float x0, float y0, float x1, float y1) { return {Shape::Rect, c, x0, y0, x1, y1, 0, {}}; }
Shape RR(std::uint32_t c, float x0, float y0, float x1, float y1, float r) {
    return {Shape::RoundRect, c, x0, y0, x1, y1, r, {}};
}
Shape E(std::uint32_t c, float x0, float y0, float x1, float y1) { return {Shape::Ellipse, c, x0, y0, x1, y1, 0, {}}; }
Shape L(std::uint32_t c, float x0, float y0, float x1, float y1, float halfWidth) {
    return {Shape::Line, c, x0, y0, x1, y1, halfWidth, {}};
}
Shape P(std::uint32_t c, std::vector<Point> points) { return {Shape::Polygon, c, 0, 0, 0, 0, 0, std::move(points)}; }

void Monitor(std::vector<Shape>& s, std::uint32_t screen) {
    s.push_back(RR(kInk, 2, 4, 30, 24, 2.5f));
    s.push_back(R(screen, 4.5f, 6.5f, 27.5f, 21.5f));
    s.push_back(R(kInk, 13, 24, 19, 27));
    s.push_back(RR(kInk, 8, 27, 24, 30, 1.5f));
}

}  // namespace

Picture ToolBarPicture(ToolPicture which) {
    Picture p;
    auto& s = p.shapes;
    switch (which) {
        case ToolPicture::System:
            Monitor(s, kBlue);
            s.push_back(E(kWhite, 14.2f, 8.5f, 17.8f, 12.1f));
            s.push_back(RR(kWhite, 14.4f, 13.2f, 17.6f, 20, 1.2f));
            break;
        case ToolPicture::Personal:
            s.push_back(E(kInk, 10, 3, 22, 15));
            s.push_back(E(kGold, 11.5f, 4.5f, 20.5f, 13.5f));
            s.push_back(RR(kInk, 4, 16, 28, 30, 7));
            s.push_back(RR(kBlue, 5.5f, 17.5f, 26.5f, 30, 6));
            break;
        case ToolPicture::Memory:
            s.push_back(RR(kInk, 1, 9, 31, 23, 1.5f));
            s.push_back(R(kGreen, 2.5f, 10.5f, 29.5f, 21.5f));
            for (int i = 0; i < 4; ++i) {
                const float x = 4.5f + 6.5f * static_cast<float>(i);
                s.push_back(R(kInk, x, 12.5f, x + 4.5f, 18));
            }
            for (int i = 0; i < 9; ++i) {
                const float x = 3.5f + 3 * static_cast<float>(i);
                s.push_back(R(kGold, x, 23, x + 1.6f, 27));
            }
            break;
        case ToolPicture::Display:
            Monitor(s, kLightBlue);
            s.push_back(P(kGreen, {{4.5f, 21.5f}, {12, 12}, {18, 18}, {22, 14}, {27.5f, 21.5f}}));
            s.push_back(E(kGold, 19, 8, 24, 13));
            break;
        case ToolPicture::Drives:
            s.push_back(RR(kInk, 2, 8, 30, 26, 3));
            s.push_back(RR(kGrey, 3.5f, 9.5f, 28.5f, 24.5f, 2));
            s.push_back(R(kInk, 5, 19, 27, 20.5f));
            s.push_back(E(kGreen, 23, 21.2f, 26, 23.8f));
            s.push_back(E(kInk, 6, 11.5f, 13, 17.5f));
            break;
        case ToolPicture::Cpu:
            for (int i = 0; i < 5; ++i) {
                const float c = 8 + 4 * static_cast<float>(i);
                s.push_back(L(kInk, c, 2, c, 30, 0.9f));
                s.push_back(L(kInk, 2, c, 30, c, 0.9f));
            }
            s.push_back(RR(kInk, 5, 5, 27, 27, 2));
            s.push_back(RR(kBlue, 6.5f, 6.5f, 25.5f, 25.5f, 1.5f));
            s.push_back(R(kLightBlue, 11, 11, 21, 21));
            break;
        case ToolPicture::Devices:
            s.push_back(R(kInk, 2, 6, 27, 24));
            s.push_back(R(kGreen, 3.5f, 7.5f, 25.5f, 22.5f));
            s.push_back(R(kInk, 6, 10, 13, 16));
            s.push_back(R(kInk, 15, 10, 22, 13));
            for (int i = 0; i < 6; ++i) {
                const float x = 5 + 3.5f * static_cast<float>(i);
                s.push_back(R(kGold, x, 24, x + 2, 28));
            }
            s.push_back(R(kGrey, 27, 4, 30, 26));
            break;
        case ToolPicture::AppInfo:
            s.push_back(RR(kInk, 3, 4, 29, 28, 2));
            s.push_back(R(kWhite, 4.5f, 9, 27.5f, 26.5f));
            s.push_back(R(kBlue, 4.5f, 5.5f, 27.5f, 9));
            s.push_back(P(kGold, {{10, 15}, {16, 12}, {22, 15}, {16, 18}}));
            s.push_back(P(0xFFC68A14, {{10, 15}, {16, 18}, {16, 25}, {10, 22}}));
            s.push_back(P(0xFFEFC05A, {{16, 18}, {22, 15}, {22, 22}, {16, 25}}));
            break;
        case ToolPicture::Startup:
            s.push_back(E(kInk, 3, 3, 29, 29));
            s.push_back(E(kGreen, 5, 5, 27, 27));
            s.push_back(P(kWhite, {{12, 9}, {23, 16}, {12, 23}}));
            break;
        case ToolPicture::Sound:
            s.push_back(P(kInk, {{3, 12}, {9, 12}, {17, 5}, {17, 27}, {9, 20}, {3, 20}}));
            s.push_back(P(kBlue, {{4.5f, 13.5f}, {9.5f, 13.5f}, {15.5f, 8.2f}, {15.5f, 23.8f}, {9.5f, 18.5f},
                                  {4.5f, 18.5f}}));
            s.push_back(L(kInk, 20, 12, 22, 16, 1.1f));
            s.push_back(L(kInk, 22, 16, 20, 20, 1.1f));
            s.push_back(L(kInk, 24, 9, 27, 16, 1.1f));
            s.push_back(L(kInk, 27, 16, 24, 23, 1.1f));
            break;
        case ToolPicture::Machine:
            // A tower case with its drive bays, power light and a board's chip showing through.
            s.push_back(RR(kInk, 7, 2, 25, 30, 2));
            s.push_back(RR(kGrey, 8.5f, 3.5f, 23.5f, 28.5f, 1.2f));
            s.push_back(R(kInk, 10.5f, 6, 21.5f, 9));
            s.push_back(R(kInk, 10.5f, 11, 21.5f, 14));
            s.push_back(R(kBlue, 11.5f, 17, 20.5f, 25));
            s.push_back(R(kLightBlue, 13.5f, 19, 18.5f, 23));
            s.push_back(E(kGreen, 19.5f, 25.8f, 22, 28.2f));
            break;
        case ToolPicture::Exit:
            s.push_back(E(kInk, 3, 3, 29, 29));
            s.push_back(E(kRed, 5, 5, 27, 27));
            s.push_back(L(kWhite, 11, 11, 21, 21, 2));
            s.push_back(L(kWhite, 21, 11, 11, 21, 2));
            break;
    }
    return p;
}

Picture OutputMenuPicture(MenuPicture which) {
    Picture p;
    p.design = 16;
    auto& s = p.shapes;
    switch (which) {
        case MenuPicture::Save:
            s.push_back(RR(kInk, 1, 1, 15, 15, 1));
            s.push_back(R(kBlue, 2, 2, 14, 14));
            s.push_back(R(kWhite, 4, 2, 12, 7));
            s.push_back(R(kInk, 5, 10, 11, 14));
            break;
        case MenuPicture::Clipboard:
            s.push_back(RR(kInk, 2, 2, 14, 15, 1));
            s.push_back(R(kGold, 3, 3, 13, 14));
            s.push_back(R(kWhite, 4.5f, 5, 11.5f, 13));
            s.push_back(RR(kInk, 5, 1, 11, 4, 1));
            break;
        case MenuPicture::Print:
            s.push_back(R(kWhite, 4, 1, 12, 7));
            s.push_back(RR(kInk, 1, 6, 15, 12, 1));
            s.push_back(R(kGrey, 2, 7, 14, 11));
            s.push_back(R(kWhite, 4, 10, 12, 15));
            s.push_back(L(kInk, 5, 12, 11, 12, 0.5f));
            break;
        case MenuPicture::Html:
            s.push_back(E(kInk, 1, 1, 15, 15));
            s.push_back(E(kBlue, 2, 2, 14, 14));
            s.push_back(P(kGreen, {{4, 5}, {8, 3.5f}, {9, 7}, {6, 10}, {4, 9}}));
            s.push_back(P(kGreen, {{10, 9}, {13, 8}, {12, 12}, {9, 13}}));
            break;
    }
    return p;
}

std::vector<std::uint32_t> StripBackground(int width, int height) {
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        // From a pale sky blue at the top to white, with a thin darker line at the bottom.
        const float t = height > 1 ? static_cast<float>(y) / static_cast<float>(height - 1) : 0;
        auto mix = [&](float top, float bottom) {
            return static_cast<std::uint32_t>(std::lround(top + (bottom - top) * t)) & 0xFF;
        };
        std::uint32_t colour = 0xFF000000u | (mix(214, 250) << 16) | (mix(230, 252) << 8) | mix(246, 255);
        if (y == height - 1) colour = 0xFFA6CAF0;
        for (int x = 0; x < width; ++x) pixels[static_cast<std::size_t>(y * width + x)] = colour;
    }
    return pixels;
}

}  // namespace orvane::res

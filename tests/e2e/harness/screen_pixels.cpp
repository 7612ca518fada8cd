#include "harness/screen_pixels.h"

#include <cstdlib>

#include "app/handles.h"
#include "harness/polling.h"

namespace e2e {
namespace {
constexpr int kChannelTolerance = 24;
}

std::string ColourName(COLORREF colour) {
    return "rgb(" + std::to_string(GetRValue(colour)) + ", " + std::to_string(GetGValue(colour)) +
           ", " + std::to_string(GetBValue(colour)) + ")";
}

bool IsNear(COLORREF a, COLORREF b) {
    return std::abs(GetRValue(a) - GetRValue(b)) <= kChannelTolerance &&
           std::abs(GetGValue(a) - GetGValue(b)) <= kChannelTolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= kChannelTolerance;
}

std::optional<COLORREF> ScreenPixel(POINT screenPoint) {
    const WindowDc screen(nullptr);
    if (!screen.Get()) return std::nullopt;
    const COLORREF pixel = GetPixel(screen.Get(), screenPoint.x, screenPoint.y);
    if (pixel == CLR_INVALID) return std::nullopt;
    return pixel;
}

std::optional<COLORREF> WaitForColour(POINT screenPoint, COLORREF expected,
                                      std::chrono::milliseconds timeout) {
    std::optional<COLORREF> last;
    WaitUntil(timeout, [&] {
        if (auto pixel = ScreenPixel(screenPoint)) last = pixel;
        return last && IsNear(*last, expected);
    });
    return last;
}

}  // namespace e2e

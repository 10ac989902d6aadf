#include "ShrinkToFit.h"

#include <algorithm>
#include <cmath>

namespace tamberlo {

namespace {
constexpr qreal kSmallestPoints = 4;
constexpr int kSmallestPixels = 5;
}  // namespace

QFont ShrinkToFit(QFont wanted, const std::function<bool(const QFont&)>& fits) {
    if (fits(wanted)) return wanted;
    // Step k is the wanted size less k half points (pixels for a font sized
    // in pixels), never below the smallest; the last step is the smallest.
    const bool points = wanted.pointSizeF() > 0;
    const int last = points ? int(std::ceil((wanted.pointSizeF() - kSmallestPoints) * 2)) : wanted.pixelSize() - kSmallestPixels;
    auto step = [&](int k) {
        QFont font = wanted;
        if (points) font.setPointSizeF(std::max(kSmallestPoints, wanted.pointSizeF() - k / 2.0));
        else font.setPixelSize(std::max(kSmallestPixels, wanted.pixelSize() - k));
        return font;
    };
    if (last < 1) return wanted;  // already at the smallest size
    // A caption that fits at one size fits at every smaller one: the first
    // step that fits is found by halving instead of trying each in turn.
    int tooBig = 0, smallest = last;  // step tooBig does not fit; from `smallest` on all fit (or none does)
    while (smallest - tooBig > 1) {
        const int mid = (tooBig + smallest) / 2;
        if (fits(step(mid))) smallest = mid;
        else tooBig = mid;
    }
    return step(smallest);
}

}  // namespace tamberlo

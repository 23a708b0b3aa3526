#include "aquarium/BackgroundLayout.h"

#include "platform/Conversions.h"
#include "state/AppState.h"

#include <algorithm>

namespace fw {

BackgroundLayout layoutBackground(QSize picture, QSize screen)
{
    const QRect fullScreen(QPoint(0, 0), screen);
    if (picture.isEmpty())
        return {BackgroundMode::Plain, fullScreen};
    if (picture.width() < MinPictureWidth || picture.height() < MinPictureHeight)
        return {BackgroundMode::TooSmall, fullScreen};
    if (picture.width() <= screen.width() && picture.height() <= screen.height()) {
        const int top = truncInt((screen.height() - picture.height()) / 2.0);
        const int left = truncInt((screen.width() - picture.width()) / 2.0);
        return {BackgroundMode::Centred, QRect(QPoint(left, top), picture)};
    }
    return {BackgroundMode::Cut, fullScreen};
}

void rescaleFishPositions(AppState &state, QSize before, QSize after)
{
    // A surface that had no size yet gives no proportion to keep.
    if (before.width() <= 0 || before.height() <= 0)
        return;
    const int count = std::clamp(state.fish.count, 0, FishTable::Capacity);
    for (int i = 1; i <= count; ++i) {
        FishValues &v = state.values[i];
        if (const auto left = toInt16(double(v.left) * after.width() / before.width()))
            v.left = *left;
        if (const auto top = toInt16(double(v.top) * after.height() / before.height()))
            v.top = *top;
    }
}

} // namespace fw

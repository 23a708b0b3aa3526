#pragma once

#include <QLine>
#include <QRect>
#include <QSize>

namespace fw {

// The configuration dialog's hand-drawn tab strip, in twips (15 to a pixel at
// 96 dpi), and the conversion to pixels.
inline constexpr int TwipsPerPixel = 15;
inline constexpr int TabCount = 4;

constexpr int twipsToPixels(int twips)
{
    return twips / TwipsPerPixel;
}
QPoint twipsToPixels(QPoint twips);
QRect twipsToPixels(const QRect &twips);
QLine twipsToPixels(const QLine &twips);

// The dialog's client area.
QSize setupClientTwips();

// `shape_tag`: the pane the active tab opens into.
QRect paneTwips();

// Tab k (1..4) as its three lines: the left slant, the top edge and the right
// slant, each from its upper to its lower end.
struct TabLines
{
    QLine first;
    QLine top;
    QLine third;
};
TabLines tabLines(int k);

// Where the caption label of tab k lies.
QRect tabCaptionTwips(int k);

// `Line_tagb` under the active tab: from the lower end of its first line + 20
// to the lower end of its third line - 20, along the top of the pane.
QLine tabOpeningTwips(int active);

} // namespace fw

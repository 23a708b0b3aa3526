#pragma once

#include <QImage>

#include <memory>
#include <span>
#include <vector>

namespace fw {

// Where a sprite is opaque, row by row, for drawing it as a plain copy.
//
// A sprite is drawn by ANDing its mask and then ORing its image. When the
// mask is pure black or pure white at every pixel and the image is black
// wherever the mask is white, that leaves the image where the mask is black
// and the destination untouched elsewhere, so copying the black runs of the
// mask does the same in one pass instead of two. Only the 24 colour bits are
// looked at.
class SpriteSpans
{
public:
    // Columns [begin, end) of one row where the mask is black.
    struct Run
    {
        int begin;
        int end;
    };

    SpriteSpans() = default;
    // Both pictures Format_RGB32 and of one size; anything else, or pictures
    // that break the rule above, give spans that are not usable.
    SpriteSpans(const QImage &image, const QImage &mask);

    bool usable() const { return m_usable; }
    // Whether these are usable spans of exactly these pictures, unchanged
    // since: spans of other or since modified pictures would draw the wrong
    // thing.
    bool describes(const QImage &image, const QImage &mask) const
    {
        return m_usable && image.cacheKey() == m_imageKey && mask.cacheKey() == m_maskKey;
    }

    // The runs of row y (0 <= y < height of the pictures) from left to right;
    // only for usable spans.
    std::span<const Run> row(int y) const
    {
        const std::vector<int> &start = m_rows->start;
        return std::span<const Run>(m_rows->runs).subspan(start[y], start[y + 1] - start[y]);
    }

private:
    // All runs one row after another; row y has runs start[y] up to
    // start[y + 1]. Shared by copies, which a surface keeps of what it drew.
    struct Rows
    {
        std::vector<Run> runs;
        std::vector<int> start;
    };
    std::shared_ptr<const Rows> m_rows;
    qint64 m_imageKey = 0;
    qint64 m_maskKey = 0;
    bool m_usable = false;
};

} // namespace fw

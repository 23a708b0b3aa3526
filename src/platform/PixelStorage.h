#pragma once

#include <QImage>
#include <QSize>

namespace fw {

// Memory a surface can keep its pixels in, offered by whatever shows them: a
// window system that reads pixels straight from shared memory then needs no
// copy of each frame.
class PixelStorage
{
public:
    virtual ~PixelStorage() = default;

    // A Format_RGB32 image of `size` whose pixels live in this storage, or a
    // null image when none can be had (the surface then uses the heap). The
    // image keeps its memory alive on its own.
    virtual QImage allocate(QSize size) = 0;
    // Called before the surface writes its pixels: whoever may still be
    // reading what was last shown must be done first.
    virtual void waitUntilRead() = 0;
};

} // namespace fw

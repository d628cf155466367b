#pragma once
// The image a pixel operation writes its result into.
#include <QImage>

// The destination's own pixels when they already have the size and format (and are not the
// source's), so that repeated operations do not allocate; otherwise a new image.
inline QImage ResultImage(QImage& destination, const QImage& source, QSize size, QImage::Format format)
{
    if (&destination != &source && destination.size() == size && destination.format() == format)
        return std::move(destination);
    return QImage(size, format);
}

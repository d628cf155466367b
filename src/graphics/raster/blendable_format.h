#pragma once
// Pixel formats the blenders work on in place: one byte per channel, 24 or 32 bits per pixel.
#include <QImage>

inline bool IsBlendableFormat(QImage::Format format)
{
    switch (format) {
    case QImage::Format_BGR888:
    case QImage::Format_RGB888:
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
    case QImage::Format_RGBX8888:
    case QImage::Format_RGBA8888:
    case QImage::Format_RGBA8888_Premultiplied:
        return true;
    default:
        return false;
    }
}

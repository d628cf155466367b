#pragma once
// Loading an image file into a picture, with an optional limit on its size.
#include <QByteArray>
#include <QImage>
#include <QSize>

class TPictureEx;

// No limit on the size of loaded images.
inline constexpr int kImageUnlimited = 0;
// The default of the setting "ImageLimitSize", which callers read on platforms that limit
// the size of loaded images.
inline constexpr int kDefaultImageLimitSize = 1500;

// The size an image of `size` takes within limit x limit, its aspect kept (each side at
// least 1).
QSize SizeWithinLimit(QSize size, int limit);

// The coarsest JPEG decoding scale (8, 4, 2 or 1) whose result still covers the target.
int JPEGScaleFor(QSize full, QSize target);

// A JPEG decoded at the coarsest scale that covers the target, then smoothly scaled to the
// target, as a 24-bit image.
QImage DecodeJPEGToSize(const QByteArray& data, QSize full, QSize target);

// Loads the file through the graphic class registered for its extension and sets ImageID
// to the file name. With a limit (> 0), a picture wider or higher than it is replaced by a
// 24-bit bitmap reduced to fit within limit x limit. Any failure, Photo CD files included,
// raises "イメージの読み込みに失敗しました" and leaves the picture as it was.
void LoadImageFile(TPictureEx& picture, const QString& fileName, int imageLimit = kImageUnlimited);

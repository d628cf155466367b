#pragma once
// JPEG decoding and encoding through libjpeg-turbo.
#include <QByteArray>
#include <QImage>
#include <QSize>

// The pixel size libjpeg-turbo decodes a width x height picture to at 1/denominator scale
// (each side rounded up).
QSize ScaledJPEGSize(QSize full, int denominator);

// Decodes a JPEG at 1/denominator of its size (1, 2, 4 or 8, through DCT scaling): grey
// pictures to Format_Grayscale8, colour pictures to Format_BGR888. Fails with
// "未対応のJPEG形式です" when the decoder gives up, when the decoded size exceeds the picture
// bounds, or after 500 progressive scans.
QImage DecodeJPEG(const QByteArray& data, int denominator = 1);

// Encodes an image (grey pictures as grey, everything else as 24-bit colour) at a quality
// of 1 to 100.
QByteArray EncodeJPEG(const QImage& image, int quality);

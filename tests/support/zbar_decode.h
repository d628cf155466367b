#pragma once
// Reading barcodes and QR codes in pictures back with an independent tool, zbarimg.
#include <QByteArray>
#include <QImage>
#include <optional>

namespace testsupport {

// What zbarimg reads from the picture: the raw data of the one symbol found (-Sbinary for
// QR Code bytes), or nothing when it finds none.
std::optional<QByteArray> DecodeWithZbar(const QImage& image, bool binary);

} // namespace testsupport

#pragma once
// Rendering code objects into pictures and reading them back with independent tools
// (zint for the expected barcode modules, zbarimg for decoding).
#include "core/canvas/rect.h"
#include "support/zbar_decode.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <optional>

class TDrawObject;

// Registers the classes the code objects stream with.
void RegisterCodeTestClasses();

// The object painted through PaintTo on white at dpi, the picture covering its bounds and a
// margin (logical units) on every side; the logical point (0, 0) lies at `origin`.
QImage RenderObject(TDrawObject& object, int dpi, int margin = 100, QPoint* origin = nullptr);

// The device pixel of a logical x or y coordinate in a RenderObject picture.
double DevicePosition(double logical, int dpi, int originPixel);

using testsupport::DecodeWithZbar;

// zint's modules of an EAN code (its --dump of the data digits, zint adding the check
// digit), as "0"/"1" without quiet zones.
QString ZintModules(const QString& code);

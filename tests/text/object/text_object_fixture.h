#pragma once
// Text objects for the text object's tests: one with every property away from its default,
// a trapezoid distortion, and stream edits that stand for documents of other versions.
#include "text/object/shade_text.h"
#include "text/text_classes.h"

#include <QByteArray>
#include <QImage>

class TCoonsDistortion;

// Every stored property set to a value other than a new object's.
void FillEveryProperty(TLOText& text);
// A trapezoid: the top side runs from (0.25, 0) to (0.75, 0), the bottom across the square.
void SetTrapezoid(TCoonsDistortion& distortion);

// The class name of a component stream's root.
QByteArray ClassNameOf(const QByteArray& componentBytes);
// Reads a new object's stream with one integer property added at its end.
void WithProperty(TLOText& text, const QByteArray& name, int value);
// The stream without its Version property, as older documents stored it.
QByteArray WithoutVersion(const QByteArray& componentBytes);

// The object painted through its draw site's paint path onto a white 24-bit image at 254
// dpi (one layout unit per pixel), as the export draws it.
QImage PaintObject(TLOText& text, QSize size);
// The box of pixels darker than grey 128 (empty when none).
QRect InkBox(const QImage& image);

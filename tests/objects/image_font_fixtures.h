#pragma once
// Image-font folders for the tests: numbered folders of glyph pictures in one colour on the
// image fonts' transparent colour.
#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

// A glyph picture of a size in one colour on the transparent colour (a 2-pixel margin).
QByteArray GlyphPng(QSize size, QRgb colour = 0xFF0000);

// count glyph files named 00.png, 01.png, ... in the folder below root.
void MakeFont(const QString& root, const QString& folder, int count, QSize size = {30, 40}, QRgb colour = 0xFF0000);

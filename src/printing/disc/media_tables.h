#pragma once
// Fixed tables of the printer settings: the media names by id that a maker's drivers use,
// the quality levels, and the standard sheet names by size.
#include <QString>
#include <QStringList>

// The Epson media name of an id, or "不明な用紙種類(%d)".
QString EpsonMediaName(int id);
// The quality levels from best to fastest, and the custom setting: "きれい", "標準",
// "はやい", "カスタム".
QStringList QualityNames();
// The standard sheet of a size in logical units (portrait, "%dx%d" keyed), or empty.
QString StandardSheetName(int width, int height);
// The name of a form added for a size: "%s(%g x %gmm)" with a standard sheet, else
// "%g x %gmm".
QString AddedFormName(int width, int height);

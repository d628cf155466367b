#pragma once
// TJANCode: draws one JAN symbol into a rectangle of a canvas, in the canvas's logical
// units: white background, optional black frame, black bars and, optionally, the
// human-readable digits in a font's colour, everything turned about the rectangle's
// centre. Module edges are exact fractions of the width, so that the canvas's mapping
// places them on device pixels without first rounding them to logical units.
#include "core/canvas/rect.h"
#include "core/persistent/color_type.h"
#include "objects/codes/jan_symbol.h"

#include <QTransform>

class TCanvas;
class TLayoutFont;
class TPointBasedFont;

class TJANCode {
public:
    TJANCode(TCanvas& canvas, const TRect& rect, bool showNumber, int angle);

    // Draws nothing at all for a code that is not 8 or 13 digits.
    void Draw(const QString& code, bool showFrame, const TPointBasedFont& font);

private:
    double ModuleX(int module) const;
    void FillBar(double left, double right, double bottom);
    void DrawDigit(QChar digit, int cellModule, const TLayoutFont& layout, TColor color);

    TCanvas& canvas_;
    TRect rect_;
    int modules_ = 0;
    bool showNumber_;
    int angle_;
    QTransform rotation_;
    int textHeight_ = 0;
};

// One symbol with the given options (TJANCode for a single paint).
void DrawJANCode(TCanvas& canvas, const QString& code, const TRect& rect, bool showFrame, bool showNumber, int angle,
                 const TPointBasedFont& font);

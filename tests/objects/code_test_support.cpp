#include "code_test_support.h"

#include "core/canvas/memory_canvas.h"
#include "core/model/draw_object.h"
#include "document/label_data.h"
#include "graphics/graphics_classes.h"
#include "objects/codes/code_classes.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

void RegisterCodeTestClasses()
{
    RegisterGraphicsClasses();
    RegisterDocumentClasses();
    RegisterCodeClasses();
}

double DevicePosition(double logical, int dpi, int originPixel)
{
    return originPixel + logical * dpi / 254.0;
}

QImage RenderObject(TDrawObject& object, int dpi, int margin, QPoint* origin)
{
    const TRect area = object.GetBounds().Inflated(margin, margin);
    const QSize size(RectWidth(area) * dpi / 254 + 1, RectHeight(area) * dpi / 254 + 1);
    QImage image = CreateBitmap(size, QImage::Format_RGB32, dpi);
    {
        TMemoryCanvas canvas(image, dpi);
        canvas.SetMapMode(TMapMode::Anisotropic);
        canvas.SetWindowExt({254, 254});
        canvas.SetViewportExt({dpi, dpi});
        canvas.SetWindowOrg(area.TopLeft());
        object.PaintTo(canvas);
    }
    if (origin)
        *origin = QPoint(-area.Left * dpi / 254, -area.Top * dpi / 254);
    return image;
}

QString ZintModules(const QString& code)
{
    QByteArray output;
    EXPECT_EQ(testsupport::RunProgram(QStringLiteral("zint"),
                                      {QStringLiteral("-b"), QStringLiteral("13"), QStringLiteral("--dump"),
                                       QStringLiteral("-d"), code.left(code.size() >= 12 ? 12 : 7)},
                                      &output),
              0);
    QString modules;
    for (const char c : output.trimmed()) {
        bool ok = false;
        const int nibble = QString(QLatin1Char(c)).toInt(&ok, 16);
        if (ok)
            for (int bit = 3; bit >= 0; --bit)
                modules += (nibble >> bit & 1) ? QLatin1Char('1') : QLatin1Char('0');
    }
    // Guard to guard: 95 modules for EAN-13, 67 for EAN-8 (the dump pads to whole digits).
    return modules.left(code.size() >= 12 ? 95 : 67);
}

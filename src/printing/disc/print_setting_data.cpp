#include "printing/disc/print_setting_data.h"

#include "catalogue/paper/paper_info.h"
#include "core/canvas/rect.h"

TPrintSettingData TPrintSettingData::FromPaper(const TPaperInfo& effectivePaper, bool directPrint)
{
    TPrintSettingData data;
    data.Width = effectivePaper.Width();
    data.Height = effectivePaper.Height();
    data.Landscape = effectivePaper.Landscape();
    data.PaperName = effectivePaper.PaperName();
    if (!directPrint)
        return data;
    data.MediaKind = QStringLiteral("CDR");
    data.DiscTray = true;
    if (effectivePaper.FaceCount() > 0) {
        const TRect face = effectivePaper.FaceSheetRect(0);
        data.DiscOuter = RectWidth(face);
        data.DiscInner = effectivePaper.CutCenterSize(0).width() - 2 * effectivePaper.FaceMargin(0);
        data.DiscOffsetX = (face.Left + face.Right - data.Width) / 2;
        data.DiscOffsetY = (face.Top + face.Bottom - data.Height) / 2;
    }
    return data;
}

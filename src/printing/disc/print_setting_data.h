#pragma once
// TPrintSettingData: what the printer settings are made from: the paper's size as used
// (logical units, swapped in landscape), orientation and name, the media kind ("CDR" for
// a disc) and, for a disc printed in the tray, the disc's outer and inner diameter and
// the offset of its centre from the page centre, all from the document's effective paper.
#include <QString>

class TPaperInfo;

struct TPrintSettingData {
    int Width = 0;
    int Height = 0;
    bool Landscape = false;
    QString PaperName;
    QString MediaKind;
    // The disc goes into the tray: set for every direct-print paper.
    bool DiscTray = false;
    int DiscOuter = 0;
    int DiscInner = 0;
    int DiscOffsetX = 0;
    int DiscOffsetY = 0;

    // The request for a paper; a direct-print paper takes the disc tray, with the
    // geometry of its first face: the printed outline (bleed included), the unprinted
    // hole and the centre's offset from the page centre.
    static TPrintSettingData FromPaper(const TPaperInfo& effectivePaper, bool directPrint);
};

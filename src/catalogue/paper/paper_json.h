#pragma once
// A paper as a JSON object, for the program's headless commands: its names, kind, flags,
// orientation, sheet size as used and each face as GetFaceInfo describes it.
#include <QJsonObject>

class TPaperInfo;

// {name, group, maker, kind ("matrix" or "free"), readOnly, directPrint, landscape, width, height,
//  faces: [{left, top, right, bottom, shape, purpose, margin, hole (shapes with a hole:
//  [width, height])}]}.
QJsonObject PaperJson(const TPaperInfo& paper, const QString& maker, bool directPrint);

#pragma once
// The label objects of a shipped template, made from their descriptions in templates.json.
// Every description names its "kind" and its rectangle "rect" (left, top, right, bottom in
// 0.1 mm, relative to the face); the other keys depend on the kind:
//   "rect", "circle": "color", and "fill" true for a filled shape or "frame" (its width);
//   "background": "fill" (a colour, or {"colors": [...], "kind": rgGradationKind,
//       "angle": degrees}) and optionally "wash": {"file", "color", "ratio"}; it covers the
//       whole face, so it takes no "rect";
//   "picture": "file" (a picture of the data folder, stored inside the document),
//       optionally the "transparent" colour;
//   "text": "lines", and the text style: "font", "size" (points), "bold", "color",
//       "align" ("left", "center", "right", "even"), "vertical", "outline": {"color",
//       "width"}, "shadow": {"preset" (1 ... 8), "color", "soft"};
//   "date": "format" (one of the date dialog's formats), "update" (a TDateUpdateFlag
//       name such as "dufOpen"), and the text style;
//   "qr": "url" with an optional "title", or "text" lines; optionally "phones" (a
//       TStdQRType name).
// Colours are "#RRGGBB". An unknown kind, a missing picture or a value out of its range
// raises, so that the build stops.
#include "core/face/face_info.h"

#include <QJsonObject>
#include <QString>
#include <memory>

class TDrawObject;

// What every object of one template shares: the data folder the pictures come from, and
// the face the objects are made for.
struct TTemplateContext {
    QString DataFolder;
    TFaceInfo Face;
    int FaceWidth = 0;
    int FaceHeight = 0;
};

std::unique_ptr<TDrawObject> TemplateObject(const QJsonObject& source, const TTemplateContext& context);

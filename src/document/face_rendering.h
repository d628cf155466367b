#pragma once
// Rendering a document's faces outside the editor: a face or the whole current sheet at a
// resolution, through the same paint path the editor uses, each face clipped to its
// printable area (outline with bleed, less the hole).
#include <QImage>
#include <QString>

class TCanvas;
class TLabelData;

// Draws face `face` of the current sheet onto a canvas in device pixels whose origin is
// the sheet's top-left (faceAtOrigin: the face's outer rectangle's top-left).
void DrawDocumentFace(TLabelData& document, int face, TCanvas& canvas, bool faceAtOrigin);

// The face, or with face -1 the whole sheet, as a 24-bit picture at dpi on white.
QImage RenderDocumentImage(TLabelData& document, int face, int dpi);

// Writes the face (or the sheet, face -1) as a PNG picture or, for a path ending in ".pdf",
// as a one-page PDF of the face's or sheet's size. The file is replaced only when complete.
void ExportDocument(TLabelData& document, int face, int dpi, const QString& path);

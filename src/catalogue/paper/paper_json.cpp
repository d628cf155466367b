#include "catalogue/paper/paper_json.h"

#include "catalogue/paper/matrix_paper_info.h"

#include <QJsonArray>

namespace {

QJsonObject FaceJson(const TFaceInfo& face)
{
    const TRect rect = face.FaceRect();
    QJsonObject object{
        {QStringLiteral("left"), rect.Left},
        {QStringLiteral("top"), rect.Top},
        {QStringLiteral("right"), rect.Right},
        {QStringLiteral("bottom"), rect.Bottom},
        {QStringLiteral("shape"), QString::fromLatin1(FaceShapeType.IdentifierOf(face.FaceShape()))},
        {QStringLiteral("purpose"), face.FacePurpose()},
        {QStringLiteral("margin"), face.FaceMargin()},
    };
    if (face.HasHole())
        object.insert(QStringLiteral("hole"), QJsonArray{face.CutCenterWidth(), face.CutCenterHeight()});
    return object;
}

} // namespace

QJsonObject PaperJson(const TPaperInfo& paper, const QString& maker, bool directPrint)
{
    QJsonArray faces;
    TFaceInfo face;
    for (int i = 0; i < paper.FaceCount(); ++i) {
        paper.GetFaceInfo(i, face);
        faces.append(FaceJson(face));
    }
    return {
        {QStringLiteral("name"), paper.PaperName()},
        {QStringLiteral("group"), paper.GroupName()},
        {QStringLiteral("maker"), maker},
        {QStringLiteral("kind"), dynamic_cast<const TMatrixPaperInfo*>(&paper) ? QStringLiteral("matrix")
                                                                               : QStringLiteral("free")},
        {QStringLiteral("readOnly"), paper.ReadOnly()},
        {QStringLiteral("directPrint"), directPrint},
        {QStringLiteral("landscape"), paper.Landscape()},
        {QStringLiteral("width"), paper.Width()},
        {QStringLiteral("height"), paper.Height()},
        {QStringLiteral("faces"), faces},
    };
}

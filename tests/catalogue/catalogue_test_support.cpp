#include "catalogue_test_support.h"

#include "core/error.h"
#include "core/stream/component_stream.h"

namespace cataloguetest {

QString ReadFailure(const QByteArray& bytes)
{
    try {
        ReadComponentBytes(bytes);
    } catch (const EAppError& error) {
        return error.Message();
    }
    return {};
}

QByteArray Record(const char* className, const std::function<void(TWriter&)>& properties)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    TWriter writer(buffer);
    writer.WriteBytes("TPF0");
    writer.WriteShortString(className);
    writer.WriteShortString({});
    properties(writer);
    writer.WriteListEnd();
    writer.WriteListEnd();
    writer.Flush();
    return buffer.data();
}

bool HasProperty(const QByteArray& stream, const QByteArray& name)
{
    return stream.contains(char(name.size()) + name);
}

std::unique_ptr<TMatrixPaperInfo> MatrixPaper(int width, int height, TFaceShape shape)
{
    auto paper = std::make_unique<TMatrixPaperInfo>();
    paper->SetWidth(width);
    paper->SetHeight(height);
    paper->SetFaceShape(shape);
    return paper;
}

std::unique_ptr<TFreePaperInfo> FreePaper(int width, int height, const std::vector<TRect>& faces, TFaceShape shape,
                                          int margin)
{
    auto paper = std::make_unique<TFreePaperInfo>();
    paper->SetWidth(width);
    paper->SetHeight(height);
    for (const TRect& rect : faces) {
        TFaceItem* item = paper->Faces()->AddFace();
        item->SetFaceRect(rect);
        item->SetFaceShape(shape);
        item->SetFaceMargin(margin);
    }
    return paper;
}

} // namespace cataloguetest

#pragma once
// Helpers of the catalogue tests: typed reading of component bytes, hand-made component
// records, and papers built in a few lines.
#include "catalogue/paper/free_paper_info.h"
#include "catalogue/paper/matrix_paper_info.h"
#include "core/stream/component_stream.h"
#include "core/stream/writer.h"

#include <QBuffer>
#include <functional>
#include <memory>

namespace cataloguetest {

// A component read back from a stream through the class registry, when it is a T.
template <class T>
std::unique_ptr<T> UnstreamedAs(const QByteArray& bytes)
{
    std::unique_ptr<TComponent> component = ReadComponentBytes(bytes);
    auto* object = dynamic_cast<T*>(component.get());
    if (!object)
        return nullptr;
    component.release();
    return std::unique_ptr<T>(object);
}
// The error text that reading the stream raises, or an empty text.
QString ReadFailure(const QByteArray& bytes);

// A component record written by hand: signature, class name, empty name, the properties
// that `properties` writes, the end of the properties and of the children.
QByteArray Record(const char* className, const std::function<void(TWriter&)>& properties);

// Whether the stream holds a property of exactly that name.
bool HasProperty(const QByteArray& stream, const QByteArray& name);

// A portrait matrix paper of the given sheet size with one face of shape and size.
std::unique_ptr<TMatrixPaperInfo> MatrixPaper(int width, int height, TFaceShape shape = fsRect);
// A free paper of the given sheet size with faces at these portrait rectangles.
std::unique_ptr<TFreePaperInfo> FreePaper(int width, int height, const std::vector<TRect>& faces,
                                          TFaceShape shape = fsRect, int margin = 0);

} // namespace cataloguetest

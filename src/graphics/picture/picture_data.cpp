#include "graphics/picture/picture_data.h"

#include "graphics/picture/byte_view.h"
#include "graphics/picture/graphic.h"
#include "graphics/picture/graphic_registry.h"
#include "graphics/picture/picture_messages.h"

namespace {

constexpr int kMaxClassNameLength = 63;

} // namespace

QByteArray WritePictureData(const TGraphic* graphic)
{
    if (!graphic)
        return QByteArray(1, '\0');
    const QByteArray name = graphic->ClassName().toLatin1().left(kMaxClassNameLength);
    const QByteArray file = graphic->SaveToBytes();
    QByteArray data;
    data.reserve(1 + name.size() + 4 + file.size());
    data.append(char(name.size()));
    data.append(name);
    char length[4];
    qToLittleEndian<quint32>(quint32(file.size()), length);
    data.append(length, 4);
    data.append(file);
    return data;
}

std::unique_ptr<TGraphic> ReadPictureData(const QByteArray& data)
{
    const TByteView view(data, picturemsg::StreamReadError());
    const int nameLength = view.U8(0);
    const QString name = QString::fromLatin1(reinterpret_cast<const char*>(view.At(1, nameLength)), nameLength);
    const TClassInfo* graphicClass = nameLength > 0 ? FindGraphicClass(name) : nullptr;
    if (!graphicClass)
        return nullptr;
    const qint64 fileStart = 1 + nameLength + 4;
    const qint64 fileLength = view.U32(fileStart - 4);
    const uchar* file = view.At(fileStart, fileLength);
    std::unique_ptr<TGraphic> graphic = CreateGraphic(*graphicClass);
    if (fileLength > 0)
        graphic->LoadFromBytes(QByteArray(reinterpret_cast<const char*>(file), qsizetype(fileLength)));
    return graphic;
}

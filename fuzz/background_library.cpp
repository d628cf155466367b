// Fuzzes the list of the background library: genres, folders and entries, each picture's
// paths staying below the data folder.
#include "objects/backgrounds/background_library.h"

#include <QCoreApplication>
#include <QString>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString folder = QStringLiteral("/data");
    const TBackgroundLibrary library = ParseBackgroundLibrary(bytes, folder, QStringLiteral("BackGrnd.dat"));
    if (library.Pictures.empty() == library.Error.isEmpty() || library.Pictures.size() > kMaxLibraryPictures)
        std::abort();
    for (const TLibraryPicture& picture : library.Pictures)
        if (!picture.PicturePath.startsWith(folder + QLatin1Char('/')) || picture.PicturePath.contains(QLatin1String("/../")) ||
            !picture.PreviewPath.startsWith(folder + QLatin1Char('/')))
            std::abort();
    return 0;
}

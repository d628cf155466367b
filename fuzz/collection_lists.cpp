// Fuzzes the lists of the shipped collections: the shade list (genres, folders, entries and
// the picture each entry loads) and the identifier list (ranges and the four lookups).
#include "assets/ids/image_id_list.h"
#include "core/error.h"
#include "objects/pictures/shade_list.h"

#include <QCoreApplication>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const TShadeGenre& genre : ParseShadeList(bytes))
        for (const TShadeEntry& entry : genre.Entries)
            ShadePicturePath(genre, entry, true);
    auto ids = TImageIDList::FromBytes(bytes);
    try {
        TTemplateLabelRef label{QStringLiteral("/data/Template/A/T001.cld"), 0, 1};
        ids->IdOfTemplate(label);
        ids->IdOfFile(QStringLiteral("/data/Shade/Basic/SHADE01_P.bmp"));
        ids->TemplateOfId(QStringLiteral("M0001"), label);
        ids->AssetPathOfId(QStringLiteral("SH01"));
    } catch (const EAppError&) {
        // A range definition that is not one: the list reports it.
    }
    return 0;
}

#pragma once
// The readable sources of the system paper catalogue: one JSON file per paper and one
// catalogue file with the purposes, the maker and group order and the text tables.
// Lengths in the sources are millimetres, to a tenth.
#include "catalogue/paper/paper_info.h"

#include <QDateTime>
#include <QStringList>
#include <memory>

struct TCatalogueSource {
    int PPRNo = 0;
    QDateTime LastUpdate;
    std::unique_ptr<TPurposeList> Purposes = std::make_unique<TPurposeList>();
    QStringList Makers;
    QStringList Groups;
    // Text tables by their stream names ("GenreInfo", "SearchExtKeyInfo", ...).
    std::vector<std::pair<QString, QStringList>> GlobalTexts;
};

struct TPaperSource {
    std::unique_ptr<TPaperInfo> Paper;
    QString Maker;
    // What the paper is for, as the paper browser shows it.
    QString Usage;
};

// Each fails with an error naming the file and the fault.
TCatalogueSource ReadCatalogueSource(const QString& fileName);
TPaperSource ReadPaperSource(const QString& fileName, const TPurposeList& purposes);

#pragma once
// Element names of a label document file and the error text of a file that is not one,
// shared by the two halves of TLabelData (sheets and papers, designs and previews) and by
// readers that look into documents without opening them (the template list).
#include <QString>
#include <memory>

class TDocStorage;
class TPaperInfo;

namespace label_data {

// The sheet storages' name list.
inline const QString kSheetList = QStringLiteral("Sheets\\NameList");
// Inside a sheet storage: the name lists of the designs and of the previews.
inline const QString kDesignList = QStringLiteral("NameList");
inline const QString kPreviewList = QStringLiteral("Preview");
inline const QString kNotOurData = QStringLiteral("不正なストリーム フォーマット");

// The paper a sheet storage holds; kNotOurData when its paper stream holds anything else.
std::unique_ptr<TPaperInfo> ReadSheetPaper(TDocStorage& sheet);

} // namespace label_data

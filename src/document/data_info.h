#pragma once
// The document-wide facts stored in a label document's "DataInfo" stream: its name, the
// sheet shown when saved, the dates of the last print and save, the view it was saved in,
// and its product and creator information (three child components).
#include "catalogue/product/product_info.h"

#include <QDateTime>
#include <memory>

class TDataInfo : public TComponent {
    LR_CLASS(TDataInfo, TComponent)
public:
    TDataInfo();
    ~TDataInfo() override;

    int SheetCount() const { return sheetCount_; }
    void SetSheetCount(int count) { sheetCount_ = count; }
    QString DataName() const { return dataName_; }
    void SetDataName(const QString& name) { dataName_ = name; }
    int CurrentSheetNo() const { return currentSheetNo_; }
    void SetCurrentSheetNo(int sheet) { currentSheetNo_ = sheet; }
    double LastPrintValue() const { return lastPrint_; }
    void SetLastPrintValue(double value) { lastPrint_ = value; }
    double LastSaveValue() const { return lastSave_; }
    void SetLastSaveValue(double value) { lastSave_ = value; }
    bool SheetMode() const { return sheetMode_; }
    void SetSheetMode(bool sheetMode) { sheetMode_ = sheetMode; }

    QDateTime LastPrint() const;
    void SetLastPrint(const QDateTime& time);
    QDateTime LastSave() const;
    void SetLastSave(const QDateTime& time);

    // The children "ProductInfo", "CreatorInfoE" and "CreatorInfoJ".
    TProductInfo& ProductInfo() const { return *product_; }
    TProductInfo& CreatorInfoE() const { return *creatorE_; }
    TProductInfo& CreatorInfoJ() const { return *creatorJ_; }

    void GetChildren(const std::function<void(TComponent& child)>& proc) const override;
    // Each child read takes the place of the child of its name; others are refused.
    void InsertStreamedChild(std::unique_ptr<TComponent> child) override;

private:
    int sheetCount_ = 0;
    QString dataName_;
    int currentSheetNo_ = 0;
    double lastPrint_ = 0;
    double lastSave_ = 0;
    bool sheetMode_ = false;
    std::unique_ptr<TProductInfo> product_;
    std::unique_ptr<TProductInfo> creatorE_;
    std::unique_ptr<TProductInfo> creatorJ_;
};

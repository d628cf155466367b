#pragma once
// TfrmProductInfo: edits a document's product or creator information: one page per record,
// the record's fields in a list and the chosen field's text beside it. It edits copies and
// writes them back when the user confirms.
#include <QDialog>
#include <QStringList>
#include <memory>
#include <vector>

class QListWidget;
class QPlainTextEdit;
class QTabWidget;
class TProductInfo;

struct TProductInfoPage {
    QString Caption;
    TProductInfo* Record = nullptr;
    // Shown instead of the record's own field names (the English creator fields); empty
    // shows the record's names.
    QStringList FieldNames;
};

class TfrmProductInfo : public QDialog {
    Q_OBJECT
public:
    TfrmProductInfo(const QString& caption, const std::vector<TProductInfoPage>& pages, QWidget* parent = nullptr);
    ~TfrmProductInfo() override;

    // The edited copies written into the records.
    void WriteBack() const;

    QTabWidget* Pages() const { return pages_; }
    QListWidget* FieldList(int page) const;
    QPlainTextEdit* ValueField(int page) const;

private:
    struct TPage;
    QTabWidget* pages_;
    std::vector<std::unique_ptr<TPage>> records_;
};

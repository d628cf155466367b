#pragma once
// "入力項目の置換": find and replace, and width and case conversions, over record lines
// shown as columns split at their tabs. The search text, the replacement and the strict
// flag are remembered until the program ends.
#include "music/replace/input_replace.h"

#include <QDialog>
#include <functional>

class QCheckBox;
class QGridLayout;
class QLineEdit;
class QPushButton;
class QTableWidget;

class TfrmInputReplace : public QDialog {
public:
    explicit TfrmInputReplace(const QStringList& lines, QWidget* parent = nullptr);

    // The working lines (after OK).
    const QStringList& Lines() const { return replace_.Lines(); }
    QLineEdit* SearchText() const { return search_; }
    QLineEdit* ReplacementText() const { return replacement_; }
    QCheckBox* Strict() const { return strict_; }
    QPushButton* ReplaceButton() const { return replaceButton_; }
    QPushButton* UndoButton() const { return undoButton_; }
    QTableWidget* List() const { return list_; }
    // Remembers the texts and the flag.
    void done(int result) override;

private:
    QPushButton* AddCommand(const QString& caption, const std::function<void()>& command);
    void Refresh();

    TInputReplace replace_;
    QLineEdit* search_;
    QLineEdit* replacement_;
    QCheckBox* strict_;
    QPushButton* replaceButton_ = nullptr;
    QPushButton* undoButton_ = nullptr;
    QTableWidget* list_;
    QGridLayout* commands_;
};

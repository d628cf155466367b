#pragma once
// "アルバムの削除": the current album, or every album after a question.
#include <QDialog>

class QRadioButton;

class TfrmDeleteAlbum : public QDialog {
public:
    explicit TfrmDeleteAlbum(QWidget* parent = nullptr);

    bool DeleteAll() const;
    // Deleting every album asks first; "no" keeps the dialog open.
    void accept() override;

private:
    QRadioButton* current_;
    QRadioButton* all_;
};

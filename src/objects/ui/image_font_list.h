#pragma once
// The image fonts of a folder as a list: one entry per numbered font folder, in the order
// of the numbers, each showing a sample word drawn in its font at the item height - 4.
#include <QListWidget>

class TImageFontStore;

class TImageFontList : public QListWidget {
    Q_OBJECT
public:
    static constexpr int kItemHeight = 36;

    // The entries of the folder's numbered font folders; the samples come from the store,
    // which must outlive the list.
    TImageFontList(TImageFontStore& store, const QString& folder, QWidget* parent = nullptr);

    // The number of the chosen font, or 0 when none is chosen.
    int FontNo() const;
    // Chooses the entry of the number; none when the number is not listed.
    void SetFontNo(int fontNo);
};

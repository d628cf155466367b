#pragma once
// The dialogs that choose an alignment ("位置揃え") and a position adjustment
// ("位置合わせ"). Each remembers its last choice until the program ends.
#include "editing/commands/alignment.h"

#include <QDialog>
#include <optional>

class QButtonGroup;

// A dialog of radio choices, one per option index.
class TChoiceDialog : public QDialog {
    Q_OBJECT
public:
    TChoiceDialog(const QString& title, const QStringList& choices, int choice, QWidget* parent = nullptr);
    int Choice() const;
    void SetChoice(int choice);

private:
    QButtonGroup* group_;
};

// Asks for an alignment, starting at the remembered one; none when cancelled.
std::optional<TAlignment> AskAlignment(QWidget* parent);
std::optional<TAdjustPosition> AskAdjustPosition(QWidget* parent);

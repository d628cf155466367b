#include "editing/ui/alignment_dialogs.h"
#include "editing/ui/dialog_buttons.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// The choices of this run of the program.
int& RememberedAlignment()
{
    static int choice = 0;
    return choice;
}

int& RememberedAdjustment()
{
    static int choice = 0;
    return choice;
}

std::optional<int> Ask(QWidget* parent, const QString& title, const QStringList& choices, int& remembered)
{
    TChoiceDialog dialog(title, choices, remembered, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    remembered = dialog.Choice();
    return remembered;
}

} // namespace

TChoiceDialog::TChoiceDialog(const QString& title, const QStringList& choices, int choice, QWidget* parent)
    : QDialog(parent), group_(new QButtonGroup(this))
{
    setWindowTitle(title);
    auto* layout = new QVBoxLayout(this);
    for (int index = 0; index < choices.size(); ++index) {
        auto* button = new QRadioButton(choices[index]);
        group_->addButton(button, index);
        layout->addWidget(button);
    }
    auto* buttons = OkCancelButtons(*this);
    layout->addWidget(buttons);
    SetChoice(choice);
}

int TChoiceDialog::Choice() const
{
    return std::max(group_->checkedId(), 0);
}

void TChoiceDialog::SetChoice(int choice)
{
    if (QAbstractButton* button = group_->button(choice))
        button->setChecked(true);
}

std::optional<TAlignment> AskAlignment(QWidget* parent)
{
    static const QStringList choices = {
        QStringLiteral("左端で揃える"),     QStringLiteral("右端で揃える"),     QStringLiteral("上端で揃える"),
        QStringLiteral("下端で揃える"),     QStringLiteral("左右中央で揃える"), QStringLiteral("上下中央で揃える"),
        QStringLiteral("左右間隔を均等にする"), QStringLiteral("上下間隔を均等にする"),
    };
    const std::optional<int> choice = Ask(parent, QStringLiteral("位置揃え"), choices, RememberedAlignment());
    return choice ? std::optional<TAlignment>(static_cast<TAlignment>(*choice)) : std::nullopt;
}

std::optional<TAdjustPosition> AskAdjustPosition(QWidget* parent)
{
    static const QStringList choices = {
        QStringLiteral("左端に移動する"),         QStringLiteral("右端に移動する"),
        QStringLiteral("上端に移動する"),         QStringLiteral("下端に移動する"),
        QStringLiteral("上下中央に移動する"),     QStringLiteral("左右中央に移動する"),
        QStringLiteral("中心に対して垂直にする"), QStringLiteral("中心に対して水平にする"),
    };
    const std::optional<int> choice = Ask(parent, QStringLiteral("位置合わせ"), choices, RememberedAdjustment());
    return choice ? std::optional<TAdjustPosition>(static_cast<TAdjustPosition>(*choice)) : std::nullopt;
}

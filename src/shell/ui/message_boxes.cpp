#include "shell/ui/message_boxes.h"

#include "core/frame/macro_string.h"
#include "core/messages.h"
#include "shell/command_line.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <cstdio>

namespace {

TMsgResult ShowOnStandardError(const QString& text, TMsgButtons, TMsgResult defaultButton)
{
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
    std::fflush(stderr);
    return defaultButton;
}

QMessageBox::StandardButton ToStandard(TMsgResult result)
{
    switch (result) {
    case TMsgResult::Yes:
        return QMessageBox::Yes;
    case TMsgResult::No:
        return QMessageBox::No;
    case TMsgResult::Cancel:
        return QMessageBox::Cancel;
    case TMsgResult::OK:
        break;
    }
    return QMessageBox::Ok;
}

TMsgResult ShowDialog(const QString& text, TMsgButtons buttons, TMsgResult defaultButton)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(Expand(QStringLiteral("$(AppName)")));
    box.setText(text);
    switch (buttons) {
    case TMsgButtons::OK:
        box.setIcon(QMessageBox::Information);
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case TMsgButtons::OKCancel:
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case TMsgButtons::YesNo:
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case TMsgButtons::YesNoCancel:
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    box.setDefaultButton(ToStandard(defaultButton));
    const std::pair<QMessageBox::StandardButton, QString> captions[] = {
        {QMessageBox::Yes, QStringLiteral("はい(&Y)")},
        {QMessageBox::No, QStringLiteral("いいえ(&N)")},
        {QMessageBox::Cancel, QStringLiteral("キャンセル")},
    };
    for (const auto& [button, caption] : captions)
        if (QAbstractButton* widget = box.button(button))
            widget->setText(caption);
    if (QWidget* window = QApplication::activeWindow())
        window->raise();
    switch (box.exec()) {
    case QMessageBox::Yes:
        return TMsgResult::Yes;
    case QMessageBox::No:
        return TMsgResult::No;
    case QMessageBox::Cancel:
        return TMsgResult::Cancel;
    default:
        return TMsgResult::OK;
    }
}

} // namespace

void InstallMessageBoxes()
{
    if (IsNonInteractive())
        SetMessageBoxHandler(&ShowOnStandardError);
    else
        SetMessageBoxHandler(&ShowDialog);
}

#include "shell/ui/window_placement.h"

#include "core/frame/settings.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {

QRect ScreenArea(const QWidget& window)
{
    if (const QScreen* screen = window.screen())
        return screen->availableGeometry();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        return screen->availableGeometry();
    return QRect(0, 0, 1024, 768);
}

// The rectangle of the given size centred on another.
QRect CentredOn(const QRect& area, QSize size)
{
    QRect rect(QPoint(0, 0), size);
    rect.moveCenter(area.center());
    return rect;
}

} // namespace

void SaveWindowPlacement(const QWidget& window)
{
    const QRect bounds = window.normalGeometry().isValid() ? window.normalGeometry() : window.geometry();
    const QString name = window.objectName();
    WriteInteger(name + QStringLiteral("Left"), bounds.left());
    WriteInteger(name + QStringLiteral("Top"), bounds.top());
    WriteInteger(name + QStringLiteral("Width"), bounds.width());
    WriteInteger(name + QStringLiteral("Height"), bounds.height());
}

void RestoreWindowPlacement(QWidget& window, int width, int height)
{
    const QString name = window.objectName();
    const QRect screen = ScreenArea(window);
    const QSize size(ReadInteger(name + QStringLiteral("Width"), std::min(width, screen.width())),
                     ReadInteger(name + QStringLiteral("Height"), std::min(height, screen.height())));
    const QRect centred = CentredOn(screen, size);
    window.setGeometry(ReadInteger(name + QStringLiteral("Left"), centred.left()),
                       ReadInteger(name + QStringLiteral("Top"), centred.top()), size.width(), size.height());
}

QString TEnvIniIO::KeyPath() const
{
    return QStringLiteral("$(SysRegistryKey)\\") + subKey_;
}

void TEnvIniIO::SaveBounds(const QWidget& window) const
{
    TRegistryKey key(KeyPath());
    const QRect bounds = window.geometry();
    key.WriteInteger(QStringLiteral("FormLeft"), bounds.left());
    key.WriteInteger(QStringLiteral("FormTop"), bounds.top());
    key.WriteInteger(QStringLiteral("FormRight"), bounds.left() + bounds.width());
    key.WriteInteger(QStringLiteral("FormBottom"), bounds.top() + bounds.height());
}

void TEnvIniIO::RestoreBounds(QWidget& window) const
{
    const TRegistryKey key(KeyPath());
    const int left = key.ReadInteger(QStringLiteral("FormLeft"), -1);
    const int top = key.ReadInteger(QStringLiteral("FormTop"), -1);
    const int right = key.ReadInteger(QStringLiteral("FormRight"), -1);
    const int bottom = key.ReadInteger(QStringLiteral("FormBottom"), -1);
    const QRect screen = ScreenArea(window);
    constexpr int kEdge = 16;
    const bool missing = left < 0 || top < 0 || right < 0 || bottom < 0;
    if (missing || left > screen.right() - kEdge || top > screen.bottom() - kEdge) {
        const QRect owner = window.parentWidget() ? window.parentWidget()->window()->geometry() : screen;
        window.setGeometry(CentredOn(owner, window.size()));
        return;
    }
    window.setGeometry(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)));
}

#include "editing/clipboard/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QObject>
#include <algorithm>

int IClipboard::AddOnChanged(std::function<void()> handler)
{
    handlers_.emplace_back(nextId_, std::move(handler));
    return nextId_++;
}

void IClipboard::RemoveOnChanged(int id)
{
    handlers_.erase(std::remove_if(handlers_.begin(), handlers_.end(), [id](const auto& entry) { return entry.first == id; }),
                    handlers_.end());
}

void IClipboard::NotifyChanged()
{
    // A handler may remove itself: run over a copy.
    const auto handlers = handlers_;
    for (const auto& entry : handlers) {
        try {
            entry.second();
        } catch (...) {
            // A listener's fault must not break the clipboard for the others.
        }
    }
}

// Forwards QClipboard's change signal to the handlers.
class TSystemClipboard::TWatcher {
public:
    explicit TWatcher(TSystemClipboard& owner)
    {
        connection_ = QObject::connect(QGuiApplication::clipboard(), &QClipboard::dataChanged,
                                       [&owner] { owner.NotifyChanged(); });
    }
    ~TWatcher() { QObject::disconnect(connection_); }

private:
    QMetaObject::Connection connection_;
};

TSystemClipboard::TSystemClipboard() : watcher_(std::make_unique<TWatcher>(*this)) {}

TSystemClipboard::~TSystemClipboard() = default;

const QMimeData* TSystemClipboard::MimeData() const
{
    return QGuiApplication::clipboard()->mimeData();
}

void TSystemClipboard::SetMimeData(std::unique_ptr<QMimeData> data)
{
    // QClipboard takes the data over and announces the change itself.
    QGuiApplication::clipboard()->setMimeData(data.release());
}

void TMemoryClipboard::SetMimeData(std::unique_ptr<QMimeData> data)
{
    data_ = std::move(data);
    NotifyChanged();
}

IClipboard& SystemClipboard()
{
    static TSystemClipboard clipboard;
    return clipboard;
}

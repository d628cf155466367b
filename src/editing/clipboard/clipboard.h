#pragma once
// The clipboard as the editor sees it: MIME data to read and to replace, and a change
// callback. The system implementation wraps QClipboard (and so reaches other programs);
// the in-memory one keeps model tests headless and independent of the desktop.
#include <QMimeData>
#include <functional>
#include <memory>
#include <vector>

class IClipboard {
public:
    IClipboard() = default;
    IClipboard(const IClipboard&) = delete;
    IClipboard& operator=(const IClipboard&) = delete;
    virtual ~IClipboard() = default;

    // The current content, or nullptr when the clipboard is empty.
    virtual const QMimeData* MimeData() const = 0;
    // Replaces the content.
    virtual void SetMimeData(std::unique_ptr<QMimeData> data) = 0;

    // Called after every change of the content, by this program or another. Returns an id
    // for RemoveOnChanged.
    int AddOnChanged(std::function<void()> handler);
    void RemoveOnChanged(int id);

protected:
    // Runs every change handler; a failing handler does not stop the others.
    void NotifyChanged();

private:
    std::vector<std::pair<int, std::function<void()>>> handlers_;
    int nextId_ = 1;
};

// The desktop's clipboard through QClipboard.
class TSystemClipboard : public IClipboard {
public:
    TSystemClipboard();
    ~TSystemClipboard() override;
    const QMimeData* MimeData() const override;
    void SetMimeData(std::unique_ptr<QMimeData> data) override;

private:
    class TWatcher;
    std::unique_ptr<TWatcher> watcher_;
};

// A clipboard of this process only.
class TMemoryClipboard : public IClipboard {
public:
    const QMimeData* MimeData() const override { return data_.get(); }
    void SetMimeData(std::unique_ptr<QMimeData> data) override;

private:
    std::unique_ptr<QMimeData> data_;
};

// The one system clipboard of the program.
IClipboard& SystemClipboard();

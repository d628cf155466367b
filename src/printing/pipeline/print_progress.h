#pragma once
// What a print run reports while it runs: the number of steps (faces to print), each step
// done, and a chance after each object and band to keep the interface responsive. The
// user's cancel is read from it.
class IPrintProgress {
public:
    virtual ~IPrintProgress() = default;
    virtual void Start(int steps) = 0;
    virtual void Step() = 0;
    virtual void KeepAlive() = 0;
    virtual bool Cancelled() const = 0;
};

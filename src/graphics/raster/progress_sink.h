#pragma once
// A receiver of progress for long pixel operations: told the number of steps first, then
// each step, then the end.
class IProgressSink {
public:
    virtual void Start(int steps) = 0;
    virtual void Step() = 0;
    virtual void End() = 0;

protected:
    ~IProgressSink() = default;
};

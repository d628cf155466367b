#pragma once
// The root of every object that can be the sender of a notification or be queried for an
// interface at run time.
class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;
};

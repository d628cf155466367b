#pragma once
// Objects that take the shape of the face they lie on (background pictures clipped to a disc
// and its hole): the face hands them its description, and they answer the one they use.
class TFaceInfo;

class IDOFaceShape {
public:
    virtual const TFaceInfo& FaceInfo() const = 0;
    virtual void SetFaceInfo(const TFaceInfo& info) = 0;

protected:
    ~IDOFaceShape() = default;
};

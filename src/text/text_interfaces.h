#pragma once
// Text capabilities that the editor's style tools find on any object offering them
// (queried with dynamic_cast).

class TColorSpec;
class TPointBasedFont;

// The font of an object's text or digits.
class IDOFont {
public:
    virtual const TPointBasedFont& Font() const = 0;
    // Assigns the given font's attributes.
    virtual void SetFont(const TPointBasedFont& font) = 0;

protected:
    ~IDOFont() = default;
};

// Line alignment: left 0, centre 1, right 2, equal spacing 3.
class IDOAlign {
public:
    virtual int Align() const = 0;
    virtual void SetAlign(int align) = 0;

protected:
    ~IDOAlign() = default;
};

// Character feed angle in degrees (0, 45 or -45).
class IDOFeedAngle {
public:
    virtual int FeedAngle() const = 0;
    virtual void SetFeedAngle(int angle) = 0;

protected:
    ~IDOFeedAngle() = default;
};

// The hard shadow behind a text.
class IDOShadow {
public:
    virtual void SetShadowColor(const TColorSpec& color) = 0;
    virtual bool IsShadowOff() const = 0;

protected:
    ~IDOShadow() = default;
};

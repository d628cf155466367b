#pragma once
// Colour capabilities that the editor's style tools find on any object offering them
// (queried with dynamic_cast).

class TColorSpec;

// The colour of an object's lines: a shape's frame band, a line, the digits of a code or
// the text.
class IDOLineColor {
public:
    virtual const TColorSpec& LineColor() const = 0;
    // Copies the given colour fill (or, for objects with only a plain colour, its Color).
    virtual void SetLineColor(const TColorSpec& color) = 0;

protected:
    ~IDOLineColor() = default;
};

// The paint of an object's interior, with a flag for no interior at all.
class IDOFillColor {
public:
    virtual const TColorSpec& FillColor() const = 0;
    virtual void SetFillColor(const TColorSpec& color) = 0;
    virtual bool NoFill() const = 0;
    virtual void SetNoFill(bool noFill) = 0;

protected:
    ~IDOFillColor() = default;
};

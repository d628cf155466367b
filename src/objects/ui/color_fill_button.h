#pragma once
// A button that shows a colour fill's sample and, when pressed, lets the user pick
// a plain colour for it.
#include <QPushButton>
#include <memory>

class TColorSpec;

class TColorSpecButton : public QPushButton {
    Q_OBJECT
public:
    explicit TColorSpecButton(const QString& text, QWidget* parent = nullptr);
    ~TColorSpecButton() override;

    const TColorSpec& Spec() const { return *spec_; }
    void SetSpec(const TColorSpec& spec);
    // Makes the colour fill a solid colour (0x00BBGGRR).
    void SetSolidColor(unsigned color);

signals:
    void Changed();

private:
    void Pick();
    void UpdateSample();

    std::unique_ptr<TColorSpec> spec_;
};

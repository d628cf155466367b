#pragma once
// TColorSpecWrapper: the component that carries one colour specification through a component
// stream, as the colour history stores its entries.
#include "core/persistent/component.h"

#include <memory>

class TColorSpec;

class TColorSpecWrapper : public TComponent {
    LR_CLASS(TColorSpecWrapper, TComponent)
public:
    TColorSpecWrapper();
    ~TColorSpecWrapper() override;

    TColorSpec* ColorSpec() { return spec_.get(); }
    const TColorSpec* ColorSpec() const { return spec_.get(); }

private:
    std::unique_ptr<TColorSpec> spec_;
};

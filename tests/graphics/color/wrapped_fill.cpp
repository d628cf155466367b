#include "wrapped_fill.h"

#include "core/stream/component_stream.h"
#include "graphics/color/color_fill.h"
#include "graphics/color/color_fill_wrapper.h"

namespace colortest {

QByteArray WrappedBytes(const TColorSpec& spec)
{
    TColorSpecWrapper wrapper;
    wrapper.ColorSpec()->Assign(spec);
    return ComponentBytes(wrapper);
}

void ReadWrapped(const QByteArray& bytes, TColorSpec& spec)
{
    TColorSpecWrapper wrapper;
    ReadComponentBytes(bytes, wrapper);
    spec.Assign(*wrapper.ColorSpec());
}

} // namespace colortest

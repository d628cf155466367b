// The QR encoder on any payload bytes under any settings: the first five bytes choose the
// level, mode, version, mask and margin (each may also be invalid or automatic), the rest
// is the payload. Every encoding either refuses with a reason or gives a symbol of the
// version's size with its finder patterns.
#include "objects/qr/qr_code.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 5)
        return 0;
    TQRCode code;
    code.SetErrorCorrectLevel("LMQHX"[data[0] % 5]);
    code.SetAutoEncodeMode(data[1] % 5 == 0);
    code.SetEncodeMode("0A8Z"[data[1] % 4]);
    code.SetAutoVersion(data[2] == 0);
    code.SetVersion(data[2] % 42);
    code.SetAutoMask(data[3] >= 8);
    code.SetMaskNo(data[3] % 9);
    code.SetMergin(data[4] % 12 - 1);
    code.SetPayload(QByteArray(reinterpret_cast<const char*>(data + 5), static_cast<qsizetype>(size - 5)));

    if (!code.Encode()) {
        if (code.RefusalReason().isEmpty() || code.HasSymbol() || !code.ModuleBitmap().isNull())
            std::abort();
        return 0;
    }
    const TQRMatrix& matrix = code.Matrix();
    const int n = matrix.Size();
    if (n != QRSymbolSize(code.Version()) || code.ModuleBitmap().width() != n + 2 * code.Mergin())
        std::abort();
    for (const auto& [x, y] : {std::pair{0, 0}, std::pair{n - 1, 0}, std::pair{0, n - 1}})
        if (!matrix.IsDark(x, y) || !matrix.IsFunction(x, y))
            std::abort();
    return 0;
}

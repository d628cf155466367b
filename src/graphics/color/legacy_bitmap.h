#pragma once
// The "Bitmap" property older documents wrote for the picture of a colour specification: a
// bitmap whose "Data" is a 32-bit little-endian length followed by a BMP file (or a
// compressed bitmap). It is only read; each bitmap read is handed to the owner.
#include "core/persistent/persistent.h"

#include <functional>
#include <memory>

class TSafetyBitmap;

class TLegacyBitmap : public TPersistent {
    LR_CLASS(TLegacyBitmap, TPersistent)
public:
    using Loaded = std::function<void(std::unique_ptr<TSafetyBitmap> bitmap)>;

    explicit TLegacyBitmap(Loaded loaded) : loaded_(std::move(loaded)) {}

    // "Data", read only. Fails with "ストリームからの読み込みエラー" when the length runs
    // past the data, and with the bitmap's own message when the file is invalid.
    void DefineProperties(TFiler& filer) override;

private:
    Loaded loaded_;
};

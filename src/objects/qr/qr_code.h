#pragma once
// TQRCode: the QR Code encoder that the QR label objects own. It turns a byte payload
// into a symbol (one segment in numeric, alphanumeric or 8-bit mode, versions 1-40, levels
// L, M, Q and H, an automatic or fixed mask) and keeps it as a bitmap with one pixel per
// module and a quiet zone of `Mergin` modules, which drawing stretches into a rectangle.
//
// Encoding is lazy: setters and payload changes only set the changed flag; the next Draw
// (or an explicit Encode) re-encodes. A payload that no symbol of the settings can hold
// is refused: the encoder then has no symbol, draws nothing, and gives the reason.
#include "core/persistent/persistent.h"
#include "objects/qr/qr_data.h"
#include "objects/qr/qr_matrix.h"

#include <QByteArray>
#include <QImage>
#include <QString>

class TCanvas;
struct TRect;

// No symbol holds more payload bytes than this (7089 digits at version 40-L); readers of
// stored payloads refuse longer ones.
constexpr int kQRMaxPayloadBytes = 7089;

// The widest quiet zone accepted, in modules.
constexpr int kQRMaxMergin = 100;

class TQRCode : public TPersistent {
    LR_CLASS(TQRCode, TPersistent)

public:
    TQRCode() = default;

    const QByteArray& Payload() const { return payload_; }
    // Replaces the payload and marks the symbol changed.
    void SetPayload(const QByteArray& payload);

    // The setters ignore invalid values; every accepted change marks the symbol changed.
    // "L", "M", "Q" or "H".
    char ErrorCorrectLevel() const { return level_; }
    void SetErrorCorrectLevel(char level);
    // "0", "A" or "8"; while AutoEncodeMode is on, the mode chosen from the payload (which
    // is then kept). 0 while no mode has been chosen; with AutoEncodeMode off, encoding
    // then chooses one as if it were on.
    char EncodeMode() const;
    void SetEncodeMode(char mode);
    bool AutoEncodeMode() const { return autoEncodeMode_; }
    void SetAutoEncodeMode(bool automatic);
    // 1-40; while AutoVersion is on, the smallest version that holds the payload (which is
    // then kept), or 0 when none does. With AutoVersion off, encoding with a version of 0
    // (never set) also takes, and keeps, the smallest version.
    int Version() const;
    void SetVersion(int version);
    bool AutoVersion() const { return autoVersion_; }
    void SetAutoVersion(bool automatic);
    // 0-7; the mask the last encoding used.
    int MaskNo() const { return mask_; }
    void SetMaskNo(int mask);
    bool AutoMask() const { return autoMask_; }
    void SetAutoMask(bool automatic);
    // Quiet zone on each side, in modules (0 to kQRMaxMergin).
    int Mergin() const { return mergin_; }
    void SetMergin(int mergin);

    bool IsChanged() const { return changed_; }
    void MarkChanged() { changed_ = true; }

    // Builds the symbol and its bitmap from the payload and the settings and clears the
    // changed flag. Returns false, with no symbol and a reason, for a payload that does not
    // fit (too large for version 40 at the level, or for the fixed version) or that holds
    // non-digits in a fixed numeric mode.
    bool Encode();
    // Encodes if the symbol changed, then stretches the module bitmap into the rectangle
    // (logical units); draws nothing when the payload was refused.
    void Draw(TCanvas& canvas, const TRect& rect);

    bool HasSymbol() const { return !matrix_.IsEmpty(); }
    // Why the last encoding made no symbol, in the user's words; empty after a symbol.
    const QString& RefusalReason() const { return refusal_; }
    // The final module matrix (without quiet zone); empty without a symbol.
    const TQRMatrix& Matrix() const { return matrix_; }
    // The 24-bit bitmap of Size + 2 x Mergin pixels square, black modules on white; null
    // without a symbol.
    const QImage& ModuleBitmap() const { return bitmap_; }

protected:
    // Copies the payload, the settings, the symbol and the changed flag.
    void AssignTo(TPersistent& target) const override;

private:
    struct TPlan {
        TQRMode Mode = TQRMode::Byte;
        int Version = 0;
        QString Refusal; // empty when the payload fits
    };
    TPlan Plan() const;
    TQRLevel Level() const;
    void BuildBitmap();
    template <class T>
    void Change(T& field, T value);

    QByteArray payload_;
    char level_ = 'M';
    mutable char mode_ = 0;
    bool autoEncodeMode_ = true;
    mutable int version_ = 0;
    bool autoVersion_ = true;
    int mask_ = 0;
    bool autoMask_ = true;
    int mergin_ = 4;
    bool changed_ = true;

    TQRMatrix matrix_;
    QImage bitmap_;
    QString refusal_;
};

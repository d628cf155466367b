#pragma once
// TLOQRCode: a QR Code symbol on a label face. The object owns the encoder and turns with
// its rectangle about the centre; its payload is a stored byte string. Unturned, the
// encoder draws straight into the rectangle; a quarter turn turns the module bitmap
// itself; any other angle draws a cached picture of the symbol at the object's size,
// turned, with its surroundings transparent.
#include "core/model/rect_object.h"
#include "objects/qr/qr_code.h"
#include "text/rotator.h"

#include <QImage>
#include <functional>
#include <memory>

class TLOQRCode : public TLORectBase, public IDORotate {
    LR_CLASS(TLOQRCode, TLORectBase)
public:
    // A new object is 200 x 200 units with the encoder's defaults.
    TLOQRCode();
    ~TLOQRCode() override;

    int Angle() const override { return angle_; }
    void SetAngle(int angle) override;
    char EncodeMode() const { return code_.EncodeMode(); }
    void SetEncodeMode(char mode);
    bool AutoEncodeMode() const { return code_.AutoEncodeMode(); }
    void SetAutoEncodeMode(bool automatic);
    int Version() const { return code_.Version(); }
    void SetVersion(int version);
    bool AutoVersion() const { return code_.AutoVersion(); }
    void SetAutoVersion(bool automatic);
    int MaskNo() const { return code_.MaskNo(); }
    void SetMaskNo(int mask);
    bool AutoMask() const { return code_.AutoMask(); }
    void SetAutoMask(bool automatic);
    char ErrorCorrectLevel() const { return code_.ErrorCorrectLevel(); }
    void SetErrorCorrectLevel(char level);
    int Mergin() const { return code_.Mergin(); }
    void SetMergin(int mergin);

    const QByteArray& Payload() const { return code_.Payload(); }
    void SetPayload(const QByteArray& payload);
    const TQRCode& Code() const { return code_; }
    // Changes the encoder's payload or settings, then re-encodes.
    void ChangeCode(const std::function<void(TQRCode&)>& change);
    // The turned picture of the last paint at an angle that is not a quarter turn; null
    // when none is cached.
    const QImage& RotatedPicture() const { return rotated_; }

    void Paint(TCanvas& canvas) override;
    bool HitTest(QPoint logical) const override;
    TRect GetBounds() const override;
    void DrawOutline(TCanvas& canvas) override;
    bool KeepAspect() const override { return true; }
    // A change of size also drops the turned picture.
    void SetBoundsRect(const TRect& rect) override;
    void Resize(int width, int height) override;
    void Loaded() override;

    // QRData: a 4-byte little-endian count and that many payload bytes.
    void DefineProperties(TFiler& filer) override;
    void AssignTo(TPersistent& target) const override;

protected:
    // After a change of the payload or the settings: re-encodes, drops the turned picture
    // and repaints; while the object is being read, all of that waits for Loaded.
    void Recompute();
    // Whether QRData is written (the object's payload is its own, not built from fields).
    virtual bool StoresPayload() const { return true; }

private:
    void BuildRotated(QSize size);

    int angle_ = 0;
    TQRCode code_;
    TRotator rotator_;
    QImage rotated_;
};

// Reads a stored QRData block; fails the stream read for a count that is negative, larger
// than the bytes that follow it or larger than any symbol holds.
QByteArray ReadQRDataBlock(const QByteArray& data);
QByteArray QRDataBlock(const QByteArray& payload);

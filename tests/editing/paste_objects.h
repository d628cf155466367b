#pragma once
// Stand-ins for the text and image classes that pasted content becomes: registered under
// the class names the object creator resolves ("TLOText", "TLOWizardImage").
#include "core/model/object_interfaces.h"
#include "test_objects.h"

#include <QImage>

class TTestPastedText : public TTestPlainRect, public IDOPasteText, public IDOAutoSize {
    LR_CLASS(TTestPastedText, TTestPlainRect)
public:
    QString Text() const { return text_; }
    void SetText(const QString& text) { text_ = text; }
    void SetPastedText(const QString& text) override { text_ = text; }
    bool AutoSize() const override { return autoSize_; }
    void SetAutoSize(bool autoSize) override { autoSize_ = autoSize; }

private:
    QString text_;
    bool autoSize_ = false;
};

class TTestPastedPicture : public TTestPlainRect, public IDOPastePicture {
    LR_CLASS(TTestPastedPicture, TTestPlainRect)
public:
    void SetPastedPicture(const QImage& image) override { image_ = image; }
    const QImage& Image() const { return image_; }

private:
    QImage image_;
};

// Registers both stand-ins under their own names and under the creator's names.
void RegisterPasteStandIns();

#pragma once
// The standard edit commands of the draw site: order, clipboard, selection, locking,
// printing, writing direction, properties, fixed turns, undo and redo.
#include "editing/commands/ds_command.h"

class TActionList;

class TDSABringToFront : public TDrawSiteCommand {
public:
    TDSABringToFront();
protected:
    void EachObject(TEditSite&, TDrawObject& object) override;
};

class TDSASendToBack : public TDrawSiteCommand {
public:
    TDSASendToBack();
protected:
    void EachObject(TEditSite&, TDrawObject& object) override;
};

class TDSACopy : public TDrawSiteCommand {
public:
    TDSACopy();
protected:
    void ExecuteFirst(TEditSite&) override;
    bool HasSteps() const override { return false; }
};

class TDSAClear : public TDrawSiteCommand {
public:
    TDSAClear();
};

class TDSACut : public TDSAClear {
public:
    TDSACut();
protected:
    void ExecuteFirst(TEditSite&) override;
};

class TDSAPaste : public TDrawSiteCommand {
public:
    TDSAPaste();
    ~TDSAPaste() override;
    // The clipboard holds objects, a picture or text.
    bool Enabled(TEditSite& site) override;
    void Execute(TEditSite& site) override;
protected:
    void EachObject(TEditSite& site, TDrawObject& object) override;
private:
    std::vector<std::unique_ptr<TDrawObject>> pasted_;
};

class TDSASelectAll : public TDrawSiteCommand {
public:
    TDSASelectAll();
protected:
    void Filter(TEditSite&, std::vector<TDrawObject*>& targets) override;
    void EachObject(TEditSite&, TDrawObject& object) override;
};

// Lock (Movable off) or unlock (Movable on).
class TDSALock : public TDrawSiteCommand {
public:
    explicit TDSALock(bool lock);
protected:
    void Filter(TEditSite&, std::vector<TDrawObject*>& targets) override;
    void EachObject(TEditSite&, TDrawObject& object) override;
private:
    bool lock_;
};

// Not printed (DontPrint on) or printed again.
class TDSADontPrint : public TDrawSiteCommand {
public:
    explicit TDSADontPrint(bool dontPrint);
protected:
    void Filter(TEditSite&, std::vector<TDrawObject*>& targets) override;
    void EachObject(TEditSite&, TDrawObject& object) override;
private:
    bool dontPrint_;
};

// Vertical or horizontal writing.
class TDSAVertText : public TDrawSiteCommand {
public:
    explicit TDSAVertText(bool vertical);
protected:
    void Filter(TEditSite&, std::vector<TDrawObject*>& targets) override;
    void EachObject(TEditSite&, TDrawObject& object) override;
private:
    bool vertical_;
};

// Opens the property dialog of one object; the dialog records its own change.
class TDSAEditProperty : public TDrawSiteCommand {
public:
    TDSAEditProperty();
protected:
    void EachObject(TEditSite& site, TDrawObject& object) override;
};

class TDSAOffsetAngle : public TDrawSiteCommand {
public:
    TDSAOffsetAngle(const QString& caption, int offsetAngle, const QString& actionString);
    int OffsetAngle = 0;
protected:
    void Filter(TEditSite&, std::vector<TDrawObject*>& targets) override;
    void EachObject(TEditSite&, TDrawObject& object) override;
};

class TDSAUndo : public TDrawSiteCommand {
public:
    TDSAUndo();
    bool Enabled(TEditSite& site) override;
    void Execute(TEditSite& site) override;
};

class TDSARedo : public TDrawSiteCommand {
public:
    TDSARedo();
    bool Enabled(TEditSite& site) override;
    void Execute(TEditSite& site) override;
};

// The menu captions of undo and redo: "%sの取り消し(&U)" with the undo caption, or the
// plain "取り消し(&U)" when there is nothing to undo or the step has no caption.
QString UndoMenuCaption(const TActionList& list);
QString RedoMenuCaption(const TActionList& list);

#pragma once
// Copying objects to the clipboard and pasting from it. A copy carries the object list in
// the program's private format for its own instances, and a PNG picture of the objects
// and their texts for other programs; a paste takes the private list, else text or a
// picture from any program.
#include <QImage>
#include <QString>
#include <memory>
#include <vector>

class IClipboard;
class QMimeData;
class TDrawObject;
class TDrawSiteModel;

// The private format of object lists, named after the program: "application/x-<name>-objects".
QString ObjectClipboardFormat();

// Puts copies of the site's objects on the clipboard (nothing for an empty list).
void CopyObjectsToClipboard(IClipboard& clipboard, const TDrawSiteModel& site, const std::vector<TDrawObject*>& objects);
// The objects of the private format on the clipboard, or none.
std::vector<std::unique_ptr<TDrawObject>> PasteObjectsFromClipboard(const IClipboard& clipboard);

// A MIME type of pictures that the image loader reads (Qt's own image type included).
bool IsPictureFormat(const QString& format);
// Whether the data holds a picture that the image loader reads.
bool HasPicture(const QMimeData& data);
// The picture of the data, PNG first so that its alpha channel is kept; null when none.
QImage PastedPicture(const QMimeData& data);
// Paste is possible: objects, a picture or text.
bool CanPaste(const IClipboard& clipboard);

// The objects' picture at 100 % on a transparent background, the size of their joint
// bounds.
QImage ObjectsPicture(const TDrawSiteModel& site, const std::vector<TDrawObject*>& objects);
// The texts of the objects that hold text (a published string list "Lines" or string
// "Text"), one per line.
QString ObjectsText(const std::vector<TDrawObject*>& objects);

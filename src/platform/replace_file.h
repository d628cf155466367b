#pragma once
// Saving a whole file safely: the new content is written to a temporary file beside the
// target, flushed to the device and then renamed over the target, so that a failure at any
// point leaves the old file exactly as it was and no half-written file takes its place.
#include <QString>
#include <functional>

// Calls write with the path of a fresh, empty sibling temporary file; write fills it (it
// may reopen or recreate the file by that path). When write returns, the file is synced and
// replaces target, keeping target's permissions. When write raises, or any later step
// fails, the temporary file is removed and the error passes on (EPlatformError for the
// steps of this function). A symbolic link as target is followed: the file it names is
// replaced.
void SaveReplacingFile(const QString& target, const std::function<void(const QString& temporaryPath)>& write);

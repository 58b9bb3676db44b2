// Which file texts cleaning may act on. A scan reports a file by its full
// path on a drive ("C:\...") or a share ("\\server\share\..."), never
// through a linked folder (but for a linked root the catalogue named, see
// files/LinkedRoots.h), never a device or raw path and never a mail
// store; a text that names anything else is no trace of ours, whoever
// handed it over.
#pragma once

#include <string>

namespace scrub {

// Whether the text has the form of a file path: a drive's root or two
// backslashes (a share, or a device or raw path that is refused below).
bool HasFilePathForm(const std::wstring& text);

// The normalised path to clean for a file text ("." and ".." resolved, as
// every check and the deletion must see the same path), or empty when the
// text names a device, a raw or "\\?\" path, a stream, a mail store, or a
// place below a linked folder.
std::wstring CleanablePath(const std::wstring& text);

} // namespace scrub

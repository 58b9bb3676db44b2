// Files of the staging folder and their signatures: checked when they have
// arrived there, and checked again, held, right before they are installed.
#pragma once

#include "win32/Handles.h"
#include "trust/SignatureCheck.h"

#include <string>

namespace updrift {

// Opens the file so that, while the handle lives, others may read it but
// never write, rename or delete it, and checks its content against the
// signature. What is then copied or unpacked from it is what was checked.
// An invalid handle when it cannot be opened, is no plain file, or the
// signature does not hold.
win32::UniqueFile OpenVerifiedFile(const std::wstring& path, const std::string& signature,
                                   const CSignatureCheck& check);

// "<path>.sig", where a staged download keeps the signature it came with.
std::wstring SignaturePathOf(const std::wstring& path);
// A new file with exactly these bytes (never one that exists already).
bool WriteNewFile(const std::wstring& path, const std::string& bytes);
// The file's bytes when it holds at most kLargestSignatureFile of them,
// else "".
std::string ReadSignatureFile(const std::wstring& path);

} // namespace updrift

// Names nobody can guess in advance, for files the updater creates in
// folders other programs can write to.
#pragma once

#include <string>

namespace updrift {

// `length` characters drawn from "1234567890ABCDEFGHIJKLMNOPQRSTUVWXYZ" by
// the system's cryptographic generator.
std::wstring RandomName(size_t length);

} // namespace updrift

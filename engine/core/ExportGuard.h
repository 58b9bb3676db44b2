// Nothing thrown inside the engine may cross the library boundary: an
// export that fails part-way returns its fixed result instead.
#pragma once

namespace scrub {

template <class Body> int Guarded(int result, Body&& body) noexcept {
    try {
        body();
    } catch (...) {
    }
    return result;
}

} // namespace scrub

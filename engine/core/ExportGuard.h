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

// The same for an export whose result says how it went: what the body
// returns, or `onFailure` when something was thrown.
template <class Body> int GuardedResult(int onFailure, Body&& body) noexcept {
    try {
        return body();
    } catch (...) {
        return onFailure;
    }
}

} // namespace scrub

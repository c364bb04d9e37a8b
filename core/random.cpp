#include "random.h"

namespace tamurik {

int RandomSource::Draw(int n) {
    if (n <= 0) {
        return 0;
    }
    double r = Next();
    if (!(r >= 0.0)) { // also catches NaN
        r = 0.0;
    }
    const double scaled = r * n;
    if (scaled >= n) {
        return n - 1;
    }
    return static_cast<int>(scaled);
}

StdRandom::StdRandom(std::uint64_t seed) : engine_(seed) {}

double StdRandom::Next() {
    // The top 53 bits of the 64-bit draw fill a double's mantissa exactly: uniform on
    // [0, 1), never 1.
    return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

double ScriptedRandom::Next() {
    if (queued_.empty()) {
        return 0.0;
    }
    const double r = queued_[pos_ % queued_.size()];
    pos_ = (pos_ + 1) % queued_.size();
    return r;
}

} // namespace tamurik

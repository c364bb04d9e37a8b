#include "ui/speaker.h"

#include <algorithm>

namespace tamurik {

const Text kNoVoiceReason = U"Keine Stimme gefunden";

double RateForSpeed(int speed) {
    // Children who find reading hard follow a voice best a good deal slower than the engines'
    // everyday speed (about 170 words a minute): the steps give about 116, 134 and 152.
    static constexpr double kRates[kSpeechSpeeds] = {-0.6, -0.4, -0.2};
    return kRates[std::clamp(speed, 0, kSpeechSpeeds - 1)];
}

Text NoSpeaker::reason() const {
    return kNoVoiceReason;
}

} // namespace tamurik

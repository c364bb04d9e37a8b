#include "teacher/pin_hash.h"

#include <sodium.h>

namespace tamurik {

namespace {

bool SodiumReady() {
    // sodium_init may be called again and from any thread; it answers 1 once it is ready.
    static const bool ready = sodium_init() >= 0;
    return ready;
}

} // namespace

std::optional<std::string> HashPin(const Text& pin) {
    if (!SodiumReady())
        return std::nullopt;
    const std::string bytes = ToUtf8(pin);
    char hash[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(hash, bytes.data(), bytes.size(), crypto_pwhash_OPSLIMIT_INTERACTIVE,
                          crypto_pwhash_MEMLIMIT_INTERACTIVE) != 0)
        return std::nullopt;
    return std::string(hash);
}

bool PinMatches(const std::string& hash, const Text& pin) {
    // The stored hash must end within the buffer libsodium reads.
    if (!SodiumReady() || hash.empty() || hash.size() >= crypto_pwhash_STRBYTES)
        return false;
    char stored[crypto_pwhash_STRBYTES] = {};
    hash.copy(stored, hash.size());
    const std::string bytes = ToUtf8(pin);
    return crypto_pwhash_str_verify(stored, bytes.data(), bytes.size()) == 0;
}

} // namespace tamurik

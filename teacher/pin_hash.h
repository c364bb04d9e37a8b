#pragma once
// The teacher's PIN is kept only as a salted hash of libsodium's password hashing (Argon2id
// with its interactive limits: about 64 MiB and a few tenths of a second for each hash, which
// makes guessing slow even with the file in hand).

#include "core/text.h"

#include <optional>
#include <string>

namespace tamurik {

// The hash to store ("$argon2id$v=19$m=65536,t=2,p=1$..."); no value when libsodium cannot
// start or the memory is not there.
std::optional<std::string> HashPin(const Text& pin);
// Whether the PIN is the one the hash was made from; false for a damaged hash.
bool PinMatches(const std::string& hash, const Text& pin);

} // namespace tamurik

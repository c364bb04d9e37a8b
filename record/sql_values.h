#pragma once
// The record's values on their way into and out of Qt SQL: text, keys and whole numbers.

#include "core/text.h"

#include <QString>
#include <QVariant>

#include <string_view>

namespace tamurik {

inline Text TextOf(const QString& text) {
    return text.toStdU32String();
}

inline QString QText(const Text& text) {
    return QString::fromStdU32String(text);
}

inline QString QKey(std::string_view key) {
    return QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}

inline QVariant Int(long long value) {
    return QVariant::fromValue<qint64>(value);
}

} // namespace tamurik

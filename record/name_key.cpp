#include "record/name_key.h"

namespace tamurik {

QString ChildNameKey(const Text& name) {
    const QString simple = QString::fromStdU32String(name).simplified();
    if (simple.isEmpty())
        return {};
    // Canonical caseless matching: decomposed, folded, composed again.
    std::u32string key = simple.normalized(QString::NormalizationForm_D)
                             .toCaseFolded()
                             .normalized(QString::NormalizationForm_C)
                             .toStdU32String();
    if (key.size() > static_cast<std::size_t>(kMaxNameKeyLength))
        key.resize(static_cast<std::size_t>(kMaxNameKeyLength));
    return QString::fromStdU32String(key);
}

} // namespace tamurik

#pragma once
// The boundary between the program's text (one character per element) and Qt's.

#include "core/text.h"

#include <QString>

namespace tamurik {

QString ToQ(TextView text);
Text FromQ(const QString& text);
// For showing: the line break CR (and CR LF) becomes a new line.
QString ToDisplay(TextView text);

} // namespace tamurik

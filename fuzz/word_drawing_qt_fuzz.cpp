// Drawing a marked word in its part colours, whatever the line holds: the width measured is
// the width drawn.

#include "core/encoding.h"
#include "core/state.h"
#include "fuzz/fuzz_check.h"
#include "ui/word_drawing.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace tamurik;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const WordDrawOptions options{(data[0] & 1) != 0, (data[0] & 2) != 0};
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    static const MODUL1 state;
    static QImage image(400, 60, QImage::Format_RGB32);
    QPainter painter(&image);
    const WordColors colors = PartColors(state, Qt::black);
    const QFontMetricsF metrics(painter.font());
    // A few lines of word length: drawing is slow, and longer lines find nothing new.
    std::vector<Text> lines = SplitLines(DecodeFileText(bytes.substr(0, 256)));
    if (lines.size() > 4)
        lines.resize(4);
    for (const Text& line : lines) {
        const qreal width = MarkedWordWidth(metrics, line, options);
        const qreal reached = DrawMarkedWord(painter, 0, 0, line, colors, options);
        FUZZ_CHECK(width >= 0);
        FUZZ_CHECK(std::abs(reached - width) < 0.5 + width * 1e-6);
    }
    return 0;
}

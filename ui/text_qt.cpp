#include "ui/text_qt.h"

#include <QList>

namespace tamurik {

QString ToQ(TextView text) {
    return QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size()));
}

Text FromQ(const QString& text) {
    const QList<uint> ucs4 = text.toUcs4();
    return Text(ucs4.begin(), ucs4.end());
}

QString ToDisplay(TextView text) {
    QString shown = ToQ(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QChar(u'\r'), QChar(u'\n'));
    return shown;
}

} // namespace tamurik

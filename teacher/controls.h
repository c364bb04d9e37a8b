#pragma once
// A button or check box of the teacher area, named for tests and for assistive technology, and
// put into its row.

#include <QBoxLayout>
#include <QString>
#include <QWidget>

namespace tamurik {

// The accessible name is the text without its shortcut mark and the dots of a dialog to come,
// unless one is given.
template <typename Control>
Control* AddControl(QWidget* parent, QBoxLayout* row, const QString& name, const QString& text,
                    QString accessibleName = {}) {
    auto* control = new Control(text, parent);
    control->setObjectName(name);
    if (accessibleName.isEmpty())
        accessibleName = QString(text).remove(QLatin1Char('&')).remove(QStringLiteral(" …"));
    control->setAccessibleName(accessibleName);
    row->addWidget(control);
    return control;
}

// A tool tip that shows its text as it is. Qt draws a tip that looks like markup as rich text,
// and a name or a word from a file may look like markup.
inline QString PlainToolTip(const QString& text) {
    if (text.isEmpty())
        return text;
    return QStringLiteral("<p style='white-space:pre-wrap'>") + text.toHtmlEscaped() +
           QStringLiteral("</p>");
}

} // namespace tamurik

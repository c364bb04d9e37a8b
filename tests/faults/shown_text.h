#pragma once
// What a child may see on a window, checked as a whole: every label, list line and entry
// field shows plain text, and no shown text holds a character that only broken data brings
// (a control character, the replacement character, a byte-order mark).

#include "core/text.h"
#include "ui/text_qt.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QWidget>

#include <gtest/gtest.h>

#include <string>

namespace tamurik::testing {

// A character that no word, name or explanation of ours holds; a line break and a tab are
// layout.
inline bool IsBrokenChar(char32_t c) {
    if (c == U'\n' || c == U'\t')
        return false;
    return c < 0x20 || (c >= 0x7F && c < 0xA0) || c == 0xFFFD || c == 0xFEFF;
}

inline bool HasBrokenChar(TextView text) {
    for (char32_t c : text)
        if (IsBrokenChar(c))
            return true;
    return false;
}

inline std::string Shown(const QString& text) {
    return text.left(60).toStdString();
}

// Every label of the window shows its text as plain text when it holds a "<", and no label,
// list line or entry field shows a broken character.
inline void ExpectPlainAndWhole(const QWidget* window) {
    ASSERT_NE(window, nullptr);
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        const QString text = label->text();
        if (text.contains(QLatin1Char('<'))) {
            EXPECT_EQ(label->textFormat(), Qt::PlainText)
                << label->objectName().toStdString() << " interprets " << Shown(text);
        }
        EXPECT_FALSE(HasBrokenChar(FromQ(text)))
            << label->objectName().toStdString() << " shows " << Shown(text);
    }
    for (const QListWidget* list : window->findChildren<QListWidget*>()) {
        for (int row = 0; row < list->count(); ++row) {
            const QString text = list->item(row)->text();
            EXPECT_FALSE(HasBrokenChar(FromQ(text)))
                << list->objectName().toStdString() << " line " << row << ": " << Shown(text);
        }
    }
    for (const QLineEdit* edit : window->findChildren<QLineEdit*>()) {
        EXPECT_FALSE(HasBrokenChar(FromQ(edit->text())))
            << edit->objectName().toStdString() << " holds " << Shown(edit->text());
    }
}

} // namespace tamurik::testing

#pragma once
// What the pages of the teacher area share: the program's context with the record's queries,
// where files are saved and how the printer is chosen (the real dialogs, or a test's), and the
// German messages.

#include "learning/child_report.h"
#include "learning/days.h"
#include "teacher/paper.h"
#include "ui/screen.h"
#include "ui/text_qt.h"

#include <QString>

#include <functional>

namespace tamurik {

// Where to save a file: the chosen path, or an empty one when the teacher cancelled.
using SaveLocation = std::function<QString(const QString& title, const QString& suggestedName,
                                           const QString& filter)>;

// The file to open: the chosen path, or an empty one when the teacher cancelled.
using OpenLocation = std::function<QString(const QString& title, const QString& filter)>;

struct TeacherArea {
    AppContext& app;
    SaveLocation saveLocation;
    PrintSetup printSetup;
    OpenLocation openLocation;

    RecordQueries& queries() { return app.queries; }
    long long Today() const { return DayNumber(app.clock.Today()); }
    void Tell(const Text& message) {
        app.dialogs.Message(message, U"Tamurik: Lehrerbereich", DialogButtons::Ok,
                            DialogIcon::Exclamation);
    }
    bool Ask(const Text& question) {
        return app.dialogs.Message(question, U"Tamurik: Lehrerbereich", DialogButtons::YesNo,
                                   DialogIcon::Question) == DialogAnswer::Yes;
    }
    // A file name to suggest: "Bericht Lena 2026-12-07.pdf".
    QString SuggestedName(TextView what, TextView who, const QString& extension) const {
        const Date today = app.clock.Today();
        return ToQ(SafeFileName(Text(what) + U' ' + Text(who))) +
               QStringLiteral(" %1-%2-%3.")
                   .arg(today.year, 4, 10, QLatin1Char('0'))
                   .arg(today.month, 2, 10, QLatin1Char('0'))
                   .arg(today.day, 2, 10, QLatin1Char('0')) +
               extension;
    }
    // Tells the message of a save or print that failed; nothing when it worked.
    void TellFailure(const std::optional<Text>& failure) {
        if (failure)
            Tell(*failure);
    }
};

} // namespace tamurik

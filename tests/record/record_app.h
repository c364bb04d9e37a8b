#pragma once
// The program with a real learning record in the test's folder; the teacher area opened from
// the settings screen's button and unlocked with a PIN, as the teacher does.

#include "record/sqlite_record.h"
#include "settings/settings_screen.h"
#include "teacher/children_page.h"
#include "teacher/lock_page.h"
#include "teacher/teacher_screen.h"
#include "tests/support/app_fixture.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLineEdit>

namespace tamurik::testing {

class RecordAppTest : public AppTest {
protected:
    void StartWithRecord() { Start(&record_, &record_); }
    ~RecordAppTest() override { navigator_.reset(); }

    TeacherScreen& Open() {
        navigator_->Open(ScreenId::Settings);
        auto& settings = static_cast<SettingsScreen&>(navigator_->screen(ScreenId::Settings));
        Click(Find<QAbstractButton>(&settings, QStringLiteral("Lehrerbereich")));
        // The font scan the settings screen began does not run on while it is hidden.
        EXPECT_FALSE(settings.fontScanPending());
        return static_cast<TeacherScreen&>(navigator_->screen(ScreenId::Lehrerbereich));
    }
    // Types the PIN (twice when one is set) and waits for its hash.
    void TypePin(TeacherScreen& area, const QString& pin, const QString& repeat = {}) {
        Find<QLineEdit>(&area, QStringLiteral("PinEingabe"))->setText(pin);
        Find<QLineEdit>(&area, QStringLiteral("PinWiederholung"))->setText(repeat);
        area.lockPage().Confirm();
        while (area.lockPage().busy())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QCoreApplication::processEvents();
    }
    // Opened for the first time: the PIN is set on the way.
    TeacherScreen& OpenUnlocked() {
        TeacherScreen& area = Open();
        TypePin(area, QStringLiteral("2468"), QStringLiteral("2468"));
        EXPECT_EQ(area.currentPage(), &area.childrenPage());
        return area;
    }

    SqliteRecord record_{folder_, clock_, [this](const Text& text) {
                             dialogs_.Message(text, U"Lernstand", DialogButtons::Ok,
                                              DialogIcon::Exclamation);
                         }};
};

} // namespace tamurik::testing

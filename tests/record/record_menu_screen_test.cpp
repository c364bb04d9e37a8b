// The name typed in the main menu opens the learning record in the working folder; without a
// name no file appears.

#include "menu/main_menu.h"
#include "tests/record/record_app.h"
#include "ui/click_label.h"

namespace tamurik::testing {
namespace {

class RecordMenuTest : public RecordAppTest {
protected:
    void TypeName(const Text& name) {
        dialogs_.QueueInput(name);
        Click(navigator_->menu().icon(4));
    }
};

TEST_F(RecordMenuTest, ANameTypedInTheMenuOpensTheRecordInTheWorkingFolder) {
    StartWithRecord();
    const auto file = folder_ / "lernstand.sqlite";
    state_.Points = 12;
    TypeName(U"   ");
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_EQ(state_.Points, 0);
    TypeName(U" Lena ");
    EXPECT_TRUE(std::filesystem::exists(file));
    const std::int64_t lena = record_.ChildId();
    EXPECT_NE(lena, 0);
    TypeName(U"LENA");
    EXPECT_EQ(record_.ChildId(), lena);
    EXPECT_EQ(Menu()->windowTitle(), QStringLiteral("Tamurik:  LENA"));
    // Nothing went wrong, so nothing was told.
    for (const ShownDialog& shown : dialogs_.shown())
        EXPECT_TRUE(shown.input);
}

} // namespace
} // namespace tamurik::testing

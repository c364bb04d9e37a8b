// The best-list viewer of the settings screen: one list at a time, shown in columns, with an
// entry to cut out and a list to empty.
#include "settings/settings_screen.h"

#include "core/best_lists.h"
#include "settings/settings_layout.h"
#include "ui/click_label.h"
#include "ui/dialogs.h"
#include "ui/exercise_frame.h"
#include "ui/geometry.h"
#include "ui/palette.h"
#include "ui/text_qt.h"

#include <QFontDatabase>
#include <QFrame>
#include <QListWidget>

#include <array>

namespace tamurik {

using namespace settings_layout;

namespace {

const QColor kSelectorColor(192, 255, 255);

struct BestList {
    const char* selector;
    TextView caption;
    const char* file;
    TextView header;
};

// In the order of the viewer's selectors.
const std::array<BestList, 4> kBestLists{{
    {"Label5", U" Bestenliste Quatschverben", kBestVerb,
     U"Zeit  Punkte  Spieldatum   Benutzername"},
    {"Label4", U" Bestenliste Abschreiben", kBestText, U"Zeit  Worte  Benutzername"},
    {"Label3", U" Bestenliste Galgenspiel", kBestHang, U"Verb   Maus   Benutzername"},
    {"Label2", U" Bestenliste Devadodad", kBestFang, U"Verb   Zeit   Benutzername"},
}};

// The best lists are columns of text: they need a font whose letters are all equally wide.
QFont ListFont() {
    QFont font = ScaledFont(QFontDatabase::systemFont(QFontDatabase::FixedFont).family(), 10);
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

} // namespace

void SettingsScreen::buildViewer() {
    viewer_ = new QFrame(this);
    viewer_->setObjectName(QStringLiteral("Bestenlisten"));
    viewer_->setGeometry(rect());
    viewer_->setAutoFillBackground(true);
    QPalette pal = viewer_->palette();
    pal.setColor(QPalette::Window, kScreenColor);
    viewer_->setPalette(pal);

    auto* close =
        MakeIcon(viewer_, QStringLiteral("Picture2"), QStringLiteral(":/icons/schliessen"),
                 QStringLiteral("Bestenlisten schließen"), QPoint(120, 120));
    connect(close, &ClickLabel::clicked, this, &SettingsScreen::CloseBestLists);
    auto* empty =
        MakeIcon(viewer_, QStringLiteral("Picture3"), QStringLiteral(":/icons/muelleimer"),
                 QStringLiteral("Bestenliste löschen"), QPoint(120, 840));
    connect(empty, &ClickLabel::clicked, this, &SettingsScreen::EmptyBestList);
    auto* cut =
        MakeIcon(viewer_, QStringLiteral("Picture4"), QStringLiteral(":/icons/ausschneiden"),
                 QStringLiteral("Eintrag ausschneiden"), QPoint(120, 1560));
    connect(cut, &ClickLabel::clicked, this, &SettingsScreen::CutEntry);

    for (std::size_t i = 0; i < kBestLists.size(); ++i) {
        const int column = static_cast<int>(i % 2);
        const int row = static_cast<int>(i / 2);
        ClickLabel* selector =
            MakeText(viewer_, QString::fromLatin1(kBestLists[i].selector), kBestLists[i].caption,
                     QRect(840 + column * 3480, 120 + row * 480, 3360, 420), 10, true);
        selector->setClickable(true);
        selector->setFrameShape(QFrame::Box);
        selector->setColors(Qt::black, kSelectorColor);
        const int index = static_cast<int>(i);
        connect(selector, &ClickLabel::clicked, this, [this, index] { ChooseBestList(index); });
        selectors_[i] = selector;
    }
    header_ = MakeText(viewer_, QStringLiteral("Label7"), U"", QRect(840, 1200, 6840, 360));
    header_->setFont(ListFont());
    records_ = new QListWidget(viewer_);
    records_->setAccessibleName(QStringLiteral("Einträge der Bestenliste"));
    records_->setObjectName(QStringLiteral("Liste3"));
    records_->setFont(ListFont());
    PlaceTwips(records_, 840, 1560, 6840, 3960);
    viewer_->hide();
}

void SettingsScreen::OpenBestLists() {
    recommendedShown_ = false;
    MoveTwips(recommended_, kRecommendedHidden, kRecommendedTop);
    recommended_->hide();
    viewer_->setGeometry(rect());
    viewer_->show();
    viewer_->raise();
    ChooseBestList(0);
}

void SettingsScreen::ChooseBestList(int index) {
    if (index < 0 || index >= static_cast<int>(kBestLists.size())) {
        return;
    }
    chosenList_ = index;
    for (std::size_t i = 0; i < selectors_.size(); ++i) {
        selectors_[i]->setBackground(static_cast<int>(i) == index ? PaletteColor(15)
                                                                  : kSelectorColor);
    }
    header_->setPlainText(kBestLists[static_cast<std::size_t>(index)].header);
    // Showing a list rewrites it with the settings screen's marker; when that fails the file
    // keeps its lines and the list shows them as they are.
    shownRecords_ = ShowList(context().dir, kBestLists[static_cast<std::size_t>(index)].file);
    showChosenList();
}

void SettingsScreen::showChosenList() {
    records_->clear();
    for (const Text& record : shownRecords_) {
        records_->addItem(ToQ(record));
    }
}

void SettingsScreen::CutEntry() {
    const QListWidgetItem* item = records_->currentItem();
    if (item == nullptr || !item->isSelected()) {
        dialogs().Message(U"Es ist kein Eintrag markiert." + Text(1, CR), U"Ausschneiden",
                          DialogButtons::Ok, DialogIcon::None);
        return;
    }
    const int row = records_->row(item);
    // When the file cannot be rewritten, the list keeps the entry, as the file does.
    if (DeleteEntry(context().dir, kBestLists[static_cast<std::size_t>(chosenList_)].file,
                    shownRecords_, row)) {
        showChosenList();
        records_->setCurrentRow(std::min(row, records_->count() - 1),
                                QItemSelectionModel::NoUpdate);
    }
}

void SettingsScreen::EmptyBestList() {
    const std::string file = kBestLists[static_cast<std::size_t>(chosenList_)].file;
    const Text path = context().dir.DisplayPath(file);
    if (dialogs().Message(U"Diese Bestenliste jetzt löschen?" + Text(1, CR), path,
                          DialogButtons::YesNo, DialogIcon::Question) == DialogAnswer::No) {
        return;
    }
    if (ClearList(context().dir, file)) {
        dialogs().Message(path + U" wurde gelöscht." + CR, U"Bestenliste", DialogButtons::Ok,
                          DialogIcon::None);
    }
    ChooseBestList(chosenList_);
}

void SettingsScreen::CloseBestLists() {
    viewer_->hide();
}

} // namespace tamurik

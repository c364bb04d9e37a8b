#include "teacher/word_list_editor.h"

#include "core/startup.h"
#include "core/word_lists.h"
#include "teacher/controls.h"
#include "teacher/teacher_area.h"
#include "teacher/word_list_import_page.h"
#include "teacher/word_list_tab.h"
#include "ui/geometry.h"
#include "ui/text_qt.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace tamurik {

namespace {

// The real verbs: made-up verbs must not be one of them.
constexpr const char* kRealVerbFile = "VERBEN.TXT";

} // namespace

WordListEditor::WordListEditor(QWidget* parent, TeacherArea& area) : QWidget(parent), area_(area) {
    setObjectName(QStringLiteral("Wortlisten"));
    pages_ = new QStackedWidget(this);
    listsPage_ = new QWidget(pages_);
    auto* title = new QLabel(QStringLiteral("Lehrerbereich: Wortlisten bearbeiten"), listsPage_);
    title->setFont(UiFont(16, true));

    tabs_ = new QTabWidget(listsPage_);
    tabs_->setObjectName(QStringLiteral("WortlistenReiter"));
    tabs_->setAccessibleName(QStringLiteral("Wortlisten"));
    lists_ = {new WordListTab(tabs_, area_, kVerbFile, QStringLiteral("Verben")),
              new WordListTab(tabs_, area_, kRhymeFile, QStringLiteral("Reime")),
              new WordListTab(tabs_, area_, kRealVerbFile, QStringLiteral("EchteVerben"))};
    tabs_->addTab(lists_[0], QStringLiteral("&1 Verben (ZAHLVERB.TXT)"));
    tabs_->addTab(lists_[1], QStringLiteral("&2 Reime (ZAHLREIM.TXT)"));
    tabs_->addTab(lists_[2], QStringLiteral("&3 echte Verben (VERBEN.TXT)"));

    auto* tools = new QHBoxLayout;
    tools->addStretch();
    auto* close = AddControl<QPushButton>(listsPage_, tools, QStringLiteral("WortlistenZurueck"),
                                          QStringLiteral("&Zurück zum Lehrerbereich"));
    connect(close, &QPushButton::clicked, this, &WordListEditor::Close);
    auto* listsLayout = new QVBoxLayout(listsPage_);
    listsLayout->addWidget(title);
    listsLayout->addWidget(tabs_, 1);
    listsLayout->addLayout(tools);

    import_ = new ImportReviewPage(pages_);
    pages_->addWidget(listsPage_);
    pages_->addWidget(import_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pages_);

    for (WordListTab* list : lists_)
        connect(list, &WordListTab::importChosen, this,
                [this](WordListTab* tab, const ImportReview& review) {
                    import_->Review(tab, review);
                    pages_->setCurrentWidget(import_);
                });
    connect(import_, &ImportReviewPage::done, this,
            [this](WordListTab* tab, const std::vector<Text>& lines) {
                pages_->setCurrentWidget(listsPage_);
                if (tab == nullptr)
                    return;
                tabs_->setCurrentWidget(tab);
                tab->AddLines(lines);
                tab->table()->setFocus();
            });
}

void WordListEditor::Open() {
    // The verbs of the verb and rhyme lists, as the files hold them now, teach the suggester
    // the marks of the verbs the program knows.
    suggester_ = MarkSuggester();
    for (const char* file : {kVerbFile, kRhymeFile})
        suggester_.AddKnown(ReadWordLines(area_.app.dir, file).value_or(std::vector<Text>{}));
    for (WordListTab* list : lists_)
        list->Open(suggester_);
    pages_->setCurrentWidget(listsPage_);
    tabs_->setCurrentIndex(0);
    lists_[0]->table()->setFocus();
}

bool WordListEditor::reviewing() const {
    return pages_->currentWidget() == import_;
}

void WordListEditor::Close() {
    if (MayLeave())
        emit back();
}

bool WordListEditor::MayLeave() {
    QStringList unsaved;
    for (WordListTab* list : lists_)
        if (list->modified())
            unsaved << QString::fromStdString(list->fileName());
    if (!unsaved.isEmpty() &&
        !area_.Ask(Text(U"Die Änderungen an ") + FromQ(unsaved.join(QStringLiteral(", "))) +
                   U" sind nicht gespeichert." + CR + U"Ohne Speichern schließen?"))
        return false;
    if (reviewing())
        import_->Cancel();
    return true;
}

} // namespace tamurik

#include "reward/devadodad_screen.h"

#include "core/best_lists.h"
#include "core/startup.h"
#include "core/word_lists.h"
#include "ui/click_label.h"
#include "ui/geometry.h"
#include "ui/picture_surface.h"
#include "ui/text_qt.h"

#include <QFontDatabase>
#include <QFrame>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

namespace tamurik {

namespace {

constexpr int kFieldLeft = 300;
constexpr int kFieldTop = 120;
constexpr int kListShown = 120;
constexpr int kListHidden = 7800;

const QColor kScreenColor(192, 192, 192);
const QColor kFieldColor(255, 255, 240);
const QColor kGridColor(225, 225, 210);

ClickLabel* MakeText(QWidget* parent, const QString& name, TextView text, QRect twips,
                     double points, bool bold = true) {
    return MakeTextLabel(parent, name, text, twips, points, bold);
}

} // namespace

DevadodadScreen::DevadodadScreen(AppContext& context)
    : Screen(context, QStringLiteral("fang"), QStringLiteral("Tamurik: Devadodad")) {
    setClientTwips(7800, 6000);
    setBackgroundColor(kScreenColor);

    field_ = new PictureSurface(this, QStringLiteral("Bild5"));
    PlaceTwips(field_, kFieldLeft, kFieldTop, kFieldColumns * kCellTwips, kFieldRows * kCellTwips);
    field_->setBackground(kFieldColor);
    field_->setFocusPolicy(Qt::StrongFocus);
    field_->setAccessibleName(QStringLiteral("Spielfeld"));
    connect(field_, &PictureSurface::clicked, this, [this] { StartGame(); });

    catcher_ = MakeText(field_, QStringLiteral("Bezeichnung8"), U"+",
                        QRect(0, 0, kCellTwips, kCellTwips), 18);
    catcher_->setColors(QColor(200, 0, 0), QColor(255, 230, 120));
    catcher_->setAlignment(Qt::AlignCenter);
    // The catcher must not take the clicks and keys meant for the field.
    catcher_->setAttribute(Qt::WA_TransparentForMouseEvents);
    catcher_->hide();

    caught_ = MakeText(this, QStringLiteral("Bezeichnung4"), U"", QRect(300, 4680, 3000, 400), 12);
    caught_->setColors(QColor(0, 128, 0), QColor(192, 255, 192));
    caught_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    next_ = MakeText(this, QStringLiteral("Bezeichnung3"), U"", QRect(3360, 4680, 480, 400), 12);
    next_->setColors(QColor(255, 0, 0), QColor(255, 192, 192));
    next_->setAlignment(Qt::AlignCenter);
    rest_ = MakeText(this, QStringLiteral("Bezeichnung5"), U"", QRect(3900, 4680, 3600, 400), 12);
    rest_->setColors(QColor(0, 0, 255), QColor(192, 255, 255));
    rest_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    secondsLabel_ =
        MakeText(this, QStringLiteral("Bezeichnung6"), U"0", QRect(300, 5220, 600, 400), 12);
    secondsLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    MakeText(this, QStringLiteral("Bezeichnung7"), U" Sek", QRect(900, 5220, 600, 400), 12);

    MakeText(this, QStringLiteral("Label1"), U"schnell", QRect(1560, 5160, 720, 300), 9, false)
        ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    interval_ = new QScrollBar(Qt::Horizontal, this);
    interval_->setObjectName(QStringLiteral("HBildlauf1"));
    interval_->setRange(kFastestJump, kSlowestJump);
    interval_->setValue(kStartJump);
    interval_->setFocusPolicy(Qt::NoFocus);
    PlaceTwips(interval_, 2340, 5160, 1260, 300);
    MakeText(this, QStringLiteral("Label2"), U"langsam", QRect(3660, 5160, 840, 300), 9, false);
    intervalLabel_ = MakeText(this, QStringLiteral("Bezeichnung9"), Decimal(kStartJump),
                              QRect(2340, 5480, 1260, 300), 9);
    intervalLabel_->setAlignment(Qt::AlignCenter);
    connect(interval_, &QScrollBar::valueChanged, this, [this](int value) {
        intervalLabel_->setPlainText(Decimal(value));
        field_->setFocus();
    });

    auto* end = new QPushButton(QStringLiteral("ENDE"), this);
    end->setObjectName(QStringLiteral("Befehl1"));
    end->setFont(UiFont(11, true));
    PlaceTwips(end, 6120, 5160, 1380, 600);
    auto* help = new QPushButton(QStringLiteral("HILFE"), this);
    help->setObjectName(QStringLiteral("Befehl2"));
    help->setFont(UiFont(11, true));
    PlaceTwips(help, 4620, 5160, 1380, 600);
    for (QPushButton* button : {end, help}) {
        // The arrow keys belong to the play field; the buttons are for the mouse and Tab.
        button->setFocusPolicy(Qt::TabFocus);
    }
    connect(end, &QPushButton::clicked, this, &DevadodadScreen::AskEnd);
    connect(help, &QPushButton::clicked, this, &DevadodadScreen::ShowHelp);

    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Zeit1"));
    timer_->setInterval(1000);
    connect(timer_, &QTimer::timeout, this, &DevadodadScreen::Tick);

    // The best list slides in over the play field when a game is won.
    listPanel_ = new QFrame(this);
    listPanel_->setObjectName(QStringLiteral("Bild1"));
    listPanel_->setFrameShape(QFrame::Box);
    listPanel_->setAutoFillBackground(true);
    QPalette pal = listPanel_->palette();
    pal.setColor(QPalette::Window, QColor(192, 255, 255));
    listPanel_->setPalette(pal);
    PlaceTwips(listPanel_, kListHidden, kFieldTop, 7560, 4440);
    listPanel_->hide();
    QFont listFont = ScaledFont(QFontDatabase::systemFont(QFontDatabase::FixedFont).family(), 11);
    listFont.setStyleHint(QFont::TypeWriter);
    auto* header = MakeText(listPanel_, QStringLiteral("Bezeichnung10"),
                            U"Verb   Zeit   Benutzername", QRect(240, 120, 7080, 360), 11);
    header->setFont(listFont);
    list_ = new QListWidget(listPanel_);
    list_->setObjectName(QStringLiteral("Liste1"));
    list_->setFont(listFont);
    PlaceTwips(list_, 240, 480, 7080, 3360);
    auto* closeHint = MakeText(listPanel_, QStringLiteral("Bezeichnung11"),
                               U"Klicke hier, um das Spielfenster zu schließen ...",
                               QRect(240, 3900, 7080, 420), 11);
    closeHint->setClickable(true);
    closeHint->setAlignment(Qt::AlignCenter);
    connect(closeHint, &ClickLabel::clicked, this, &DevadodadScreen::CloseGame);
}

void DevadodadScreen::PrepareWord() {
    // Any verb of the list will do; the reward game has no selection.
    std::optional<Text> line;
    const std::optional<std::vector<Text>> lines = ReadWordLines(context().dir, kVerbFile);
    if (lines && !lines->empty()) {
        const int n = static_cast<int>(lines->size());
        line = (*lines)[static_cast<std::size_t>(context().random.Draw(n))];
    }
    game_.Prepare(CatchWord(line));
    phase_ = Phase::Prepared;
    timer_->stop();
    seconds_ = 0;
    secondsLabel_->setPlainText(U"0");
    catcher_->hide();
    showWordLabels();

    clearField();
    const QFont textFont = field_->drawFont();
    field_->setDrawFont(UiFont(12, true));
    field_->SetDrawColor(Qt::black);
    const std::vector<TextView> startText{U"", U"",
                                          U"", U"          Zum Starten hier klicken . . .",
                                          U"", U"          (Anleitung über Hilfe-Knopf)"};
    const double lineHeight = kCellTwips;
    for (std::size_t i = 0; i < startText.size(); ++i) {
        field_->SetDrawPos(0, static_cast<double>(i) * lineHeight);
        field_->Print(startText[i]);
    }
    field_->setDrawFont(textFont);
    field_->setFocus();
}

void DevadodadScreen::showWordLabels() {
    const Text& word = game_.CurrentWord;
    next_->setPlainText(word.substr(0, 1));
    caught_->setPlainText(game_.caught());
    rest_->setPlainText(word.size() > 1 ? word.substr(1) : Text());
}

void DevadodadScreen::clearField() {
    field_->Clear();
    for (int column = 1; column < kFieldColumns; ++column) {
        field_->Line(column * kCellTwips, 0, column * kCellTwips, kFieldRows * kCellTwips,
                     kGridColor);
    }
    for (int row = 1; row < kFieldRows; ++row) {
        field_->Line(0, row * kCellTwips, kFieldColumns * kCellTwips, row * kCellTwips, kGridColor);
    }
}

void DevadodadScreen::drawLetters() {
    field_->setDrawFont(UiFont(18, true));
    field_->SetDrawColor(QColor(0, 0, 160));
    const int count = static_cast<int>(game_.CurrentWord.size());
    for (int i = 1; i <= count; ++i) {
        const Text letter(1, game_.CurrentWord[static_cast<std::size_t>(i - 1)]);
        const double inset = (kCellTwips - field_->TextWidth(letter)) / 2;
        field_->SetDrawPos(game_.LetterX[i] * kCellTwips + inset, game_.LetterY[i] * kCellTwips);
        field_->Print(letter);
    }
}

void DevadodadScreen::StartGame() {
    // Only a prepared word starts; a click during or after a game changes nothing.
    if (phase_ != Phase::Prepared) {
        return;
    }
    phase_ = Phase::Running;
    timer_->start();
    jumpLetters();
    field_->setFocus();
    catcher_->show();
}

void DevadodadScreen::jumpLetters() {
    clearField();
    game_.ScatterLetters(context().random);
    drawLetters();
    CheckCatch();
}

void DevadodadScreen::MoveCatcher(CatcherMove move) {
    // Before the start and after the last letter the catcher has nothing to catch.
    if (phase_ != Phase::Running) {
        return;
    }
    game_.Move(move);
    CheckCatch();
}

void DevadodadScreen::CheckCatch() {
    if (game_.CheckCatch()) {
        clearField();
        drawLetters();
    }
    MoveTwips(catcher_, game_.PosX * kCellTwips, game_.PosY * kCellTwips);
    showWordLabels();
    if (game_.finished()) {
        FinishGame();
    }
}

void DevadodadScreen::Tick() {
    if (phase_ != Phase::Running) {
        return;
    }
    ++seconds_;
    secondsLabel_->setPlainText(Decimal(seconds_));
    if (JumpDue(seconds_, interval_->value())) {
        jumpLetters();
    }
}

void DevadodadScreen::FinishGame() {
    catcher_->hide();
    timer_->stop();
    phase_ = Phase::Finished;
    const int letters = static_cast<int>(game_.caught().size());
    const int seconds = seconds_;
    AppendResult(context().dir, kBestFang,
                 DevadodadRecord(letters, seconds, UserName(navigator())));
    const std::vector<Text> sorted = LoadSorted(context().dir, kBestFang);
    list_->clear();
    for (const Text& record : sorted) {
        list_->addItem(ToQ(record));
    }
    MoveTwips(listPanel_, kListShown, kFieldTop);
    listPanel_->show();
    listPanel_->raise();
    dialogs().Message(U"Du hast die" + StrForm(letters) + U" Buchstaben" + CR + U"in" +
                          StrForm(seconds) + U" Sekunden geschafft." + CR,
                      U"Devadodad", DialogButtons::Ok, DialogIcon::None);
    StoreTop100(context().dir, kBestFang, sorted, kMarkerExercise);
}

void DevadodadScreen::AskEnd() {
    if (dialogs().Message(U"Dieses Spiel jetzt beenden?" + Text(1, CR), U"Devadodad",
                          DialogButtons::YesNo, DialogIcon::Question) == DialogAnswer::Yes) {
        CloseGame();
        return;
    }
    field_->setFocus();
}

void DevadodadScreen::ShowHelp() {
    const Text text = U"Du musst die Buchstaben eines Wortes der" + Text(1, CR) +
                      U"Reihe nach fangen. Bei mehreren gleichen" + CR +
                      U"Buchstaben weißt du aber nicht, welcher" + CR +
                      U"der Buchstaben zuerst gefangen werden" + CR +
                      U"muss. Da hilft nur eine schnelle Reaktion!" + CR +
                      U"Steuern musst du mit den vier Pfeiltasten." + CR;
    dialogs().Message(text, U"Devadodad: Hilfe", DialogButtons::Ok, DialogIcon::None);
    field_->setFocus();
}

void DevadodadScreen::CloseGame() {
    // The price paid on the main menu is not given back.
    timer_->stop();
    MoveTwips(listPanel_, kListHidden, kFieldTop);
    listPanel_->hide();
    list_->clear();
    hide();
    navigator().ShowMenu();
}

void DevadodadScreen::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
        AskEnd();
        return;
    case Qt::Key_Up:
        MoveCatcher(CatcherMove::Up);
        return;
    case Qt::Key_Down:
        MoveCatcher(CatcherMove::Down);
        return;
    case Qt::Key_Left:
        MoveCatcher(CatcherMove::Left);
        return;
    case Qt::Key_Right:
        MoveCatcher(CatcherMove::Right);
        return;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // The start without a mouse.
        StartGame();
        return;
    default:
        Screen::keyPressEvent(event);
    }
}

} // namespace tamurik

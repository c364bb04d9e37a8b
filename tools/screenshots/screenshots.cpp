// Takes pictures of what a child sees: the main menu, the program info, the settings, Memory,
// Verben trennen, Verbformen with an accepted answer and some message boxes, each as the whole
// screen, so that a box's place beside its window shows too. Run it on a display of the size to
// look at (tools/screenshots.sh starts one per size); the pictures go into the folder given.
//
//   tamurik-screenshots OUTPUT_FOLDER WORKING_FOLDER

#include "app/navigator.h"
#include "app/run.h"
#include "core/clock.h"
#include "core/conjugation.h"
#include "core/random.h"
#include "core/word_lists.h"
#include "menu/main_menu.h"
#include "ui/click_label.h"
#include "ui/dialogs.h"
#include "ui/geometry.h"
#include "ui/resources.h"
#include "ui/text_qt.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <filesystem>
#include <utility>

namespace {

QString gOutput;

void Settle(int ms = 400) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void Shoot(const QString& name) {
    QApplication::processEvents();
    const QString path = gOutput + QLatin1Char('/') + name + QStringLiteral(".png");
    QGuiApplication::primaryScreen()->grabWindow(0).save(path);
    std::printf("%s\n", qPrintable(path));
}

// Message boxes are modal: while one is open, it is photographed under its title and closed
// (Escape: "OK" or "Nein").
QString BoxName(const QWidget* box) {
    static int count = 0;
    QString title = box->windowTitle().toLower();
    title.replace(QRegularExpression(QStringLiteral("[^a-z0-9]+")), QStringLiteral("-"));
    return QStringLiteral("box%1-%2").arg(++count).arg(title);
}

void WatchBoxes() {
    auto* timer = new QTimer(qApp);
    timer->setInterval(150);
    QObject::connect(timer, &QTimer::timeout, [] {
        static QWidget* seen = nullptr;
        static int ticks = 0;
        QWidget* box = QApplication::activeModalWidget();
        if (box == nullptr) {
            seen = nullptr;
            return;
        }
        if (box != seen) {
            seen = box;
            ticks = 0;
            return;
        }
        if (++ticks < 3)
            return;
        Shoot(BoxName(box));
        QMetaObject::invokeMethod(box, "reject", Qt::QueuedConnection);
        seen = nullptr;
    });
    timer->start();
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "Aufruf: tamurik-screenshots AUSGABEORDNER ARBEITSORDNER\n");
        return 2;
    }
    gOutput = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(gOutput);
    tamurik::InitResources();
    tamurik::InstallAccessibility();
    tamurik::ChooseScaleFactor(nullptr);

    const tamurik::WorkDir dir{std::filesystem::path(argv[2])};
    tamurik::MODUL1 state;
    tamurik::StdRandom random(7);
    tamurik::SystemClock clock;
    tamurik::QtDialogs dialogs;
    if (!tamurik::RunStartUp(dir, state, dialogs))
        return 1;
    tamurik::AppNavigator navigator(state, dir, random, clock, dialogs);
    WatchBoxes();

    QTimer::singleShot(0, [&] {
        using tamurik::ScreenId;
        navigator.ShowMenu();
        Settle();
        Shoot(QStringLiteral("menu"));

        // Each screen as it opens; a box that comes up over it, as over Memory, is taken too.
        const std::pair<ScreenId, const char*> screens[] = {
            {ScreenId::Info, "info"},
            {ScreenId::Settings, "settings"},
            {ScreenId::Memory, "memory"},
            {ScreenId::VerbenTrennen, "verben-trennen"}};
        for (const auto& [id, name] : screens) {
            navigator.Open(id);
            Settle();
            Shoot(QString::fromLatin1(name));
            navigator.screen(id).hide();
        }

        navigator.Open(ScreenId::Verbformen);
        QWidget& formen = navigator.screen(ScreenId::Verbformen);
        Settle();
        // The ich form typed in: the row is accepted and stands on the sheet.
        const auto* infinitive = formen.findChild<QLabel*>(QStringLiteral("Bezeichnung3"));
        auto* typing = formen.findChild<QLineEdit*>(QStringLiteral("Text1"));
        if (infinitive && typing) {
            QString verb = infinitive->text();
            verb.remove(QLatin1Char(' '));
            if (const auto forms = tamurik::Conjugate(tamurik::FromQ(verb)))
                typing->setText(tamurik::ToQ(forms->ich));
        }
        Settle();
        Shoot(QStringLiteral("verbformen"));
        formen.hide();

        navigator.Open(ScreenId::ReimverbenFinden);
        Settle();
        if (auto* help = navigator.screen(ScreenId::ReimverbenFinden)
                             .findChild<tamurik::ClickLabel*>(QStringLiteral("Bild2")))
            help->click();
        Settle();
        navigator.screen(ScreenId::ReimverbenFinden).hide();

        navigator.ShowMenu();
        Settle();
        navigator.menu().ShowIntroduction();
        Settle();
        // Not quit(): that asks the windows to close, and the main menu would ask first.
        QApplication::exit(0);
    });
    return QApplication::exec();
}

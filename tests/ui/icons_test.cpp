// The icon set: every icon the screens ask for is in the resource, loads cleanly in Qt's SVG
// renderer and fills its box when drawn at menu size.

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtGlobal>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

// Resources of a static library must be registered by name before use.
static void registerIcons() {
    static const bool done = [] {
        Q_INIT_RESOURCE(icons);
        return true;
    }();
    (void)done;
}

namespace {

const std::vector<QString> kParrots = {
    "quatschverben",     "verben_trennen",    "verben_schnell_lesen",   "abc_verben",
    "reimverben_memory", "reimverben_finden", "reimverben_schreiben",   "verbbedeutung",
    "galgenspiel",       "verbformen",        "verben_zusammenpuzzeln", "verben_zusammensetzen",
    "verben_schreiben",  "verben_verlaengern"};

const std::vector<QString> kOthers = {"beenden",        "benutzer",   "info",       "einstellungen",
                                      "belohnung",      "anleitung",  "verbenwahl", "schliessen",
                                      "belohnung_info", "optionen",   "tipp",       "loesung",
                                      "hilfe",          "startflagge"};

// The settings screen's own pictures.
const std::vector<QString> kSettings = {"diskette", "muelleimer", "bestenliste", "ausschneiden",
                                        "schriften"};

// The word-building exercises' own tools.
const std::vector<QString> kWordBuilding = {"neue_runde", "wegweiser",   "buch",
                                            "neues_verb", "ampel_gruen", "ampel_rot"};

// Quatschverben's own tools.
const std::vector<QString> kQuatsch = {"stopp", "weiter", "verbliste", "buchstaben"};

std::vector<QString> allNames() {
    std::vector<QString> names = kParrots;
    names.insert(names.end(), kOthers.begin(), kOthers.end());
    names.insert(names.end(), kSettings.begin(), kSettings.end());
    names.insert(names.end(), kWordBuilding.begin(), kWordBuilding.end());
    names.insert(names.end(), kQuatsch.begin(), kQuatsch.end());
    return names;
}

QString pathOf(const QString& name) {
    return QStringLiteral(":/icons/") + name;
}

// Collects what Qt reports while an icon is parsed; the renderer only warns, it does not fail,
// when it meets an element or attribute it cannot draw.
QStringList gMessages;
void collectMessages(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type != QtDebugMsg && type != QtInfoMsg)
        gMessages << text;
}

QImage draw(const QString& name, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(pathOf(name));
    QPainter painter(&image);
    renderer.render(&painter, QRectF(0, 0, size, size));
    painter.end();
    return image;
}

class IconsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { registerIcons(); }
};

TEST_F(IconsTest, ResourceHoldsExactlyTheNamedIcons) {
    const QStringList entries = QDir(QStringLiteral(":/icons")).entryList(QDir::Files);
    std::set<QString> inResource(entries.begin(), entries.end());
    const std::vector<QString> names = allNames();
    std::set<QString> expected(names.begin(), names.end());
    ASSERT_EQ(expected.size(), names.size()) << "a name is listed twice";

    for (const QString& name : expected)
        EXPECT_TRUE(inResource.count(name)) << "missing icon: " << name.toStdString();
    for (const QString& entry : inResource)
        EXPECT_TRUE(expected.count(entry)) << "icon nobody uses: " << entry.toStdString();
}

TEST_F(IconsTest, EveryIconParsesWithoutWarningsOnA64Grid) {
    for (const QString& name : allNames()) {
        SCOPED_TRACE(name.toStdString());
        gMessages.clear();
        const QtMessageHandler previous = qInstallMessageHandler(collectMessages);
        QSvgRenderer renderer(pathOf(name));
        qInstallMessageHandler(previous);

        EXPECT_TRUE(renderer.isValid());
        EXPECT_TRUE(gMessages.isEmpty()) << gMessages.join(QLatin1Char('\n')).toStdString();
        EXPECT_EQ(renderer.defaultSize().width(), 64);
        EXPECT_EQ(renderer.defaultSize().height(), 64);
        const QRectF box = renderer.viewBoxF();
        EXPECT_TRUE(box.x() == 0 && box.y() == 0 && box.width() == 64 && box.height() == 64)
            << box.x() << " " << box.y() << " " << box.width() << " " << box.height();
    }
}

TEST_F(IconsTest, EveryIconFillsItsBoxAtMenuSize) {
    // At 48 pixels a child must still see a picture, not a speck in a corner: the drawing
    // reaches across most of the box and covers a good part of it.
    const int size = 48;
    for (const QString& name : allNames()) {
        SCOPED_TRACE(name.toStdString());
        const QImage image = draw(name, size);
        int left = size, right = -1, top = size, bottom = -1, covered = 0;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                if (qAlpha(image.pixel(x, y)) < 128)
                    continue;
                ++covered;
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
        ASSERT_GT(covered, 0) << "draws nothing";
        EXPECT_GE(right - left + 1, size * 3 / 4);
        EXPECT_GE(bottom - top + 1, size * 3 / 4);
        EXPECT_GE(covered, size * size / 4);
    }
}

TEST_F(IconsTest, ExerciseParrotsShareThePoseButNotThePicture) {
    // The same parrot sits in every exercise icon, so its dark pupil is at the same spot in all
    // of them; plumage and sign make each icon its own.
    const int size = 64;
    std::vector<QImage> images;
    for (const QString& name : kParrots) {
        SCOPED_TRACE(name.toStdString());
        const QImage image = draw(name, size);
        const QColor pupil = image.pixelColor(25, 17);
        EXPECT_EQ(pupil.alpha(), 255);
        EXPECT_LT(pupil.lightness(), 80);
        images.push_back(image);
    }
    for (std::size_t i = 0; i < images.size(); ++i)
        for (std::size_t j = i + 1; j < images.size(); ++j)
            EXPECT_NE(images[i], images[j])
                << kParrots[i].toStdString() << " looks exactly like " << kParrots[j].toStdString();
}

} // namespace

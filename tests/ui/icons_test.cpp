// The icon set: every icon the screens ask for is in the resource and loads cleanly in Qt's SVG
// renderer.

#include <QDir>
#include <QSvgRenderer>
#include <QtGlobal>

#include <gtest/gtest.h>

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

// Every icon loads cleanly on a 64 grid.
TEST_F(IconsTest, EveryIconParsesWithoutWarnings) {
    for (const QString& name : allNames()) {
        SCOPED_TRACE(name.toStdString());
        gMessages.clear();
        const QtMessageHandler previous = qInstallMessageHandler(collectMessages);
        QSvgRenderer renderer(pathOf(name));
        qInstallMessageHandler(previous);
        EXPECT_TRUE(renderer.isValid());
        EXPECT_TRUE(gMessages.isEmpty()) << gMessages.join(QLatin1Char('\n')).toStdString();
        EXPECT_EQ(renderer.viewBoxF(), QRectF(0, 0, 64, 64));
        EXPECT_EQ(renderer.defaultSize(), QSize(64, 64));
    }
}

} // namespace

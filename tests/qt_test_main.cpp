// The main of the tests that need a QApplication: headless, with the icon set registered.

#include "ui/click_label.h"
#include "ui/geometry.h"
#include "ui/resources.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                    : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    tamurik::InitResources();
    tamurik::InstallAccessibility();
    tamurik::SetScaleFactor(1.0);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

// Activation: the window takes the screen, the title and the attribution
// follow its width, the table keeps a 16-pixel margin.
#include "window_fixture.h"

#include "ui/window/window_layout.h"

#include <QDir>
#include <QLabel>
#include <QScreen>

namespace pluvelle::ui::testing {
namespace {

TEST(ActivationGeometry, FollowsTheScreen) {
    struct Case {
        QSize screen;
        QRect window;
        int attribution, title, tableWidth;
    } const cases[] = {
        {{1920, 1080}, {1, 1, 1920, 1080}, 1770, 900, 1872},
        {{1366, 768}, {1, 1, 1366, 768}, 1216, 623, 1318},
        {{1280, 1024}, {1, 1, 1280, 1024}, 1130, 580, 1232},
    };
    for (const Case& c : cases) {
        const ActivationGeometry g = ActivationGeometryFor(c.screen);
        EXPECT_EQ(g.window, c.window);
        EXPECT_EQ(g.attributionLeft, c.attribution);
        EXPECT_EQ(g.titleLeft, c.title);
        EXPECT_EQ(g.tableLeft, 16);
        EXPECT_EQ(g.tableWidth, c.tableWidth);
    }
}

TEST_F(WindowTest, ActivationPutsTheWindowBackOnTheWholeScreen) {
    form->move(200, 150);
    form->resize(640, 480);
    form->FormActivate();
    const QSize screen = form->screen()->geometry().size();
    const ActivationGeometry g = ActivationGeometryFor(screen);
    EXPECT_EQ(form->frameGeometry(), g.window);
    EXPECT_EQ(control("Tableau")->geometry(), QRect(16, 129, screen.width() - 48, 545));
    EXPECT_EQ(control("Titre")->pos(), QPoint(g.titleLeft, 50));
    EXPECT_EQ(control("Attribution")->x(), g.attributionLeft);
    EXPECT_FALSE(control<QLabel>("Titre")->text().isEmpty());
    EXPECT_EQ(form->programFolder(),
              QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + "/").toStdString());
}

} // namespace
} // namespace pluvelle::ui::testing

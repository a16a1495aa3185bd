#include "ui/ProjetType.h"
#include "ui/placement.h"
#include "ui/reglages.h"
#include "ui/visionneuse_aide.h"

#include <QScreen>

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

namespace {

struct CasPlacement {
    const char* nom;
    QRect voulu;
    QRect attendu;
};

class Placement : public ::testing::TestWithParam<CasPlacement> {};

// A screen of 800 x 500 with a 20-pixel bar along its top.
TEST_P(Placement, TheFrameEndsInsideTheAvailableArea) {
    const QRect zone(0, 20, 800, 480);
    EXPECT_EQ(placement::dans_la_zone(GetParam().voulu, zone), GetParam().attendu);
}

INSTANTIATE_TEST_SUITE_P(
    Zone, Placement,
    ::testing::Values(
        CasPlacement{"InsideStays", QRect(116, 30, 652, 462), QRect(116, 30, 652, 462)},
        CasPlacement{"BelowMovesUp", QRect(116, 493, 653, 210), QRect(116, 290, 653, 210)},
        CasPlacement{"RightMovesLeft", QRect(700, 100, 300, 200), QRect(500, 100, 300, 200)},
        CasPlacement{"AboveAndLeftMoveIn", QRect(-50, 0, 300, 200), QRect(0, 20, 300, 200)},
        CasPlacement{"TooLargeShrinks", QRect(10, 30, 1000, 700), QRect(0, 20, 800, 480)}),
    [](const auto& info) { return std::string(info.param.nom); });

// Each window, put where it would end past its screen's bottom right corner,
// opens inside the screen.
TEST(PlacementFenetre, EveryWindowOpensInsideItsScreen) {
    TForm1 principale;
    TForm2 panneau;
    TVisionneuseAide aide;
    for (QWidget* fenetre : std::initializer_list<QWidget*>{&principale, &panneau, &aide}) {
        const QRect zone = fenetre->screen()->availableGeometry();
        fenetre->move(zone.bottomRight() - QPoint(100, 100));
        fenetre->show();
        EXPECT_TRUE(zone.contains(fenetre->frameGeometry())) << fenetre->metaObject()->className();
    }
}

} // namespace

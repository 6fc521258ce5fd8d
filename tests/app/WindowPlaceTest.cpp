#include "WindowPlace.h"

#include <gtest/gtest.h>

TEST(WindowPlaceTest, AReachablePlaceIsKeptAndALostOneComesBackOntoTheNearestScreen)
{
    const QRect left(0, 0, 1280, 800);
    const QRect right(1280, 0, 1024, 768);
    const QList<QRect> two{left, right};
    const QSize size(613, 139);
    struct Case {
        QPoint stored;
        QList<QRect> screens;
        QPoint expected;
    };
    const Case cases[] = {
        {{200, 150}, two, {200, 150}},     // on the first screen
        {{1500, 100}, two, {1500, 100}},   // on the second
        {{1250, 100}, two, {1250, 100}},   // across both: its top is still on the first
        {{-590, 100}, two, {0, 100}},      // 23 px left to grab: pulled in
        {{5000, 300}, two, {1691, 300}},   // far right: the second screen's right edge
        {{4, -92}, two, {4, 32}},          // the title bar above the top: brought down
        {{0, 0}, two, {0, 32}},            // a first start: no room for the title bar
        {{200, 32}, two, {200, 32}},       // just room for it
        {{200, 790}, two, {200, 661}},     // only a sliver at the bottom: moved up to fit
        {{-3000, -3000}, {left}, {0, 32}}, // the one screen's top-left corner
        {{300, 300}, {}, {300, 300}},      // no screen known: left alone
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PlaceOnScreens(QRect(c.stored, size), c.screens), c.expected) << c.stored.x() << "," << c.stored.y();
    }
}

TEST(WindowPlaceTest, ADialogIsCentredOverTheHiddenWindowAndKeptOnItsScreen)
{
    const QRect screen(1280, 0, 1024, 768); // the second screen
    const QSize box(300, 120);
    const struct {
        QRect over;
        QSize dialog;
        QPoint expected;
    } cases[] = {
        {{1500, 200, 600, 140}, box, {1649, 209}},     // centre on centre
        {{1290, 10, 100, 40}, box, {1280, 0}},         // near the top-left: kept on the screen
        {{2200, 700, 100, 60}, box, {2004, 648}},      // near the bottom-right: likewise
        {{1500, 200, 600, 140}, {1200, 900}, {1280, 0}}, // larger than the screen: its corner stays on it
    };
    for (const auto& c : cases)
        EXPECT_EQ(CentreOver(c.dialog, c.over, screen), c.expected) << c.over.x() << "," << c.over.y();
}

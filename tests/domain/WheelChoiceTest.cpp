#include "domain/WheelChoice.h"

#include <gtest/gtest.h>

#include <memory>

using namespace trimel;

namespace {

std::unique_ptr<AppState> stateWithWheels() {
    auto s = std::make_unique<AppState>();
    s->N = 45;
    s->wheelCount = 3;
    s->wheels[1].numberCount = 22;
    s->wheels[2].numberCount = 23;
    s->wheels[3].numberCount = 45;
    s->size1 = 3;
    s->size2 = 7;
    s->favourites.fill(5);
    return s;
}

}  // namespace

TEST(WheelChoice, RefusedWithoutAWheelForEachPartAndNothingChanges) {
    for (auto [first, second] : {std::pair{0, 2}, std::pair{1, 0}, std::pair{4, 2}}) {
        auto s = stateWithWheels();
        s->wheel1 = first;
        s->wheel2 = second;
        EXPECT_FALSE(applyWheelChoice(*s)) << first << "/" << second;
        EXPECT_EQ(s->size1, 3);
        EXPECT_EQ(s->size2, 7);
        EXPECT_EQ(s->favourites[1], 5);
    }
}

TEST(WheelChoice, SetsThePartSizesAndClearsTheOldFirstPartsFavourites) {
    auto s = stateWithWheels();
    s->wheel1 = 1;
    s->wheel2 = 2;
    ASSERT_TRUE(applyWheelChoice(*s));
    EXPECT_EQ(s->size1, 22);
    EXPECT_EQ(s->size2, 23);
    EXPECT_EQ(s->favourites[3], 0);
    EXPECT_EQ(s->favourites[4], 5);
    EXPECT_EQ(s->favourites[0], 5);

    // A first wheel on all N numbers needs no second one, and takes none.
    s->wheel1 = 3;
    ASSERT_TRUE(applyWheelChoice(*s));
    EXPECT_EQ(s->size1, 45);
    EXPECT_EQ(s->size2, 0);
    s->wheel2 = 0;
    EXPECT_TRUE(applyWheelChoice(*s));
}

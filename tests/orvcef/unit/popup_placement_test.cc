// Popups centred on the window of the browser that opens them.
#include "orvcef/handler/popup_placement.h"

#include <climits>

#include "gtest/gtest.h"

namespace orvcef {
namespace {

struct PlacementCase {
  const char* name;
  RECT opener;
  int width;
  int height;
  bool placed;
  int x;
  int y;
};

TEST(PopupPlacementTest, CentresOnOpener) {
  const PlacementCase cases[] = {
      {"400x300 in (100,100)-(1100,700)",
       {100, 100, 1100, 700},
       400,
       300,
       true,
       400,
       250},
      {"odd sum truncates", {0, 0, 101, 51}, 0, 0, true, 50, 25},
      {"negative truncates toward zero",
       {-101, -51, 0, 0},
       0,
       0,
       true,
       -50,
       -25},
      {"larger than opener", {0, 0, 100, 100}, 300, 200, true, -100, -50},
      {"no requested width", {0, 0, 800, 600}, CW_USEDEFAULT, 300, false, 7, 7},
      {"no requested size",
       {0, 0, 800, 600},
       CW_USEDEFAULT,
       CW_USEDEFAULT,
       false,
       7,
       7},
      {"sums beyond int",
       {INT_MAX - 10, INT_MAX - 10, INT_MAX, INT_MAX},
       20,
       20,
       true,
       INT_MAX - 15,
       INT_MAX - 15},
  };
  for (const PlacementCase& row : cases) {
    int x = 7;
    int y = 7;
    EXPECT_EQ(row.placed,
              CenterPopupOn(row.opener, row.width, row.height, &x, &y))
        << row.name;
    EXPECT_EQ(row.x, x) << row.name;
    EXPECT_EQ(row.y, y) << row.name;
  }
}

}  // namespace
}  // namespace orvcef

#include "view/grid_lines.h"

#include <gtest/gtest.h>

namespace pravelo {
namespace {

TEST(GridLines, NotDrawnWhenDenserThanOneLinePerSixPixels) {
  struct Case {
    double zoom;
    double spacing;
    bool drawn;
  };
  const Case cases[] = {{0.001, 100, false},  // 0.01 mm at the default zoom
                        {0.001, 6000, false}, {0.001, 6001, true}, {0.001, 12700, true},
                        {2.0, 6, false},  // at least one unit per pixel
                        {2.0, 7, true},       {0.5, 12, false},    {0.5, 13, true},
                        {0.001, 0, false},    {0, 12700, false}};
  for (const Case& c : cases) {
    EXPECT_EQ(isGridDrawn(c.zoom, c.spacing), c.drawn) << c.zoom << " " << c.spacing;
  }
}

TEST(GridLines, LinesPassThroughTheOriginWithinTheWidenedClip) {
  const ViewTransform v{0.001, 0, 0};
  // The clip widened by 2001 units catches the lines on its edges.
  const WorldRect clip{0, -1000000, 101600, -898400};
  const GridLayout g = gridLayout(v, clip, {0, -1000000}, 12700, 4);
  ASSERT_EQ(g.columns.size(), 9u);
  EXPECT_EQ(g.columns.front().world, 0);
  EXPECT_EQ(g.columns.back().world, 101600);
  EXPECT_NEAR(g.columns[1].screen, 12.7, 1e-9);
  ASSERT_EQ(g.rows.size(), 9u);
  EXPECT_EQ(g.rows.front().world, -1000000);
  EXPECT_NEAR(g.rows.front().screen, 1000, 1e-9);
  for (std::size_t k = 0; k < g.columns.size(); ++k) {
    EXPECT_EQ(g.columns[k].marked, k % 4 == 0) << k;
  }
  EXPECT_EQ(g.markedWidth, 2001);
}

TEST(GridLines, MarkingCountsFromTheOriginOnBothSides) {
  const ViewTransform v{0.001, 0, 0};
  const GridLayout g = gridLayout(v, {0, -10000, 100000, 0}, {50000, 0}, 12700, 4);
  ASSERT_FALSE(g.columns.empty());
  EXPECT_EQ(g.columns.front().world, 50000 - 4 * 12700);  // -800, inside the widened clip
  EXPECT_TRUE(g.columns.front().marked);
  EXPECT_FALSE(g.columns[1].marked);
  EXPECT_TRUE(g.columns[4].marked);
  EXPECT_EQ(g.columns[4].world, 50000);
}

TEST(GridLines, NoMarkingAndMarkedWidths) {
  const GridLayout g = gridLayout({0.8, 0, 0}, {0, -100, 100, 0}, {0, 0}, 20, 0);
  for (const GridLine& l : g.columns) EXPECT_FALSE(l.marked);
  EXPECT_EQ(g.markedWidth, 3);  // round(2.5) + 1, half to even
  EXPECT_EQ(gridLayout({2.0, 0, 0}, {0, -100, 100, 0}, {0, 0}, 20, 2).markedWidth, 2);
  EXPECT_TRUE(gridLayout({0.001, 0, 0}, {0, -100000, 100000, 0}, {0, 0}, 100, 2).columns.empty());
}

}  // namespace
}  // namespace pravelo

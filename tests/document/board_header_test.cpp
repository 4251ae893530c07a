#include "document/board_header.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "document/layout_file.h"

namespace pravelo {
namespace {

// The header image built field by field from the format's table, in table order, without the
// reader's or the writer's offsets.
class HeaderImage {
 public:
  void bytes(std::initializer_list<std::uint8_t> values) {
    image_.insert(image_.end(), values.begin(), values.end());
  }
  void int32(std::int32_t value) { little(static_cast<std::uint32_t>(value), 4); }
  void float64(double value) {
    std::uint64_t bits;
    std::memcpy(&bits, &value, 8);
    little(bits, 8);
  }
  // A length byte and 200 bytes, of which the unused ones are 0.
  void shortString200(const std::string& s) {
    image_.push_back(static_cast<std::uint8_t>(s.size()));
    image_.insert(image_.end(), s.begin(), s.end());
    image_.resize(image_.size() + 200 - s.size(), 0);
  }
  const std::vector<std::uint8_t>& image() const { return image_; }

 private:
  void little(std::uint64_t value, int size) {
    for (int i = 0; i < size; ++i) image_.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
  }
  std::vector<std::uint8_t> image_;
};

// Every field distinct from its neighbours and from a new board's value, so that a field read
// or written at a wrong offset, or two fields swapped, show.
BoardHeader distinctHeader() {
  BoardHeader h;
  h.width = 1234567;
  h.height = 7654321;
  h.groundPlane = {1, 0, 1, 1, 0, 1, 0};
  h.grid = 3968.75;
  h.zoom = 0.0125;
  h.scrollX = -17;
  h.scrollY = 4242;
  h.activeLayer = 5;
  h.layerVisible = {0, 1, 0, 1, 1, 0, 1};
  h.templateShown = {1, 0};
  h.templateFile = {"top.bmp", "C:\\scans\\bottom side.jpg"};
  h.templateDpi = {300, 1200};
  h.templateOffsetX = {-15, 25};
  h.templateOffsetY = {35, -45};
  h.templateTint = {0x00112233, 0x00445566};
  h.originX = 1000;
  h.originY = -2000;
  h.multilayer = 1;
  return h;
}

std::vector<std::uint8_t> expectedImage(std::int32_t listSlot) {
  HeaderImage e;
  e.int32(listSlot);                 //   0 object list slot
  e.int32(1234567);                  //   4 width
  e.int32(7654321);                  //   8 height
  e.bytes({1, 0, 1, 1, 0, 1, 0});    //  12 ground plane of layers 1..7
  e.float64(3968.75);                //  19 grid
  e.float64(0.0125);                 //  27 zoom
  e.int32(-17);                      //  35 horizontal scroll
  e.int32(4242);                     //  39 vertical scroll
  e.int32(5);                        //  43 active layer
  e.bytes({0, 1, 0, 1, 1, 0, 1});    //  47 layer visible
  e.bytes({1});                      //  54 template 1 shown
  e.bytes({0});                      //  55 template 2 shown
  e.shortString200("top.bmp");       //  56 template 1 file
  e.shortString200("C:\\scans\\bottom side.jpg");  // 257 template 2 file
  e.int32(300);                      // 458 template 1 dpi
  e.int32(1200);                     // 462 template 2 dpi
  e.int32(-15);                      // 466 template 1 x offset
  e.int32(25);                       // 470 template 2 x offset
  e.int32(35);                       // 474 template 1 y offset
  e.int32(-45);                      // 478 template 2 y offset
  e.int32(0x00112233);               // 482 template 1 tint
  e.int32(0x00445566);               // 486 template 2 tint
  e.int32(1000);                     // 490 origin x
  e.int32(-2000);                    // 494 origin y
  e.bytes({1});                      // 498 multilayer
  return e.image();
}

TEST(BoardHeader, EveryFieldIsWrittenAtItsOffset) {
  const std::vector<std::uint8_t> expected = expectedImage(0);
  ASSERT_EQ(expected.size(), kBoardHeaderSize);
  std::vector<std::uint8_t> written(kBoardHeaderSize, 0xEE);
  writeBoardHeader(distinctHeader(), written.data());
  for (std::size_t i = 0; i < kBoardHeaderSize; ++i) {
    EXPECT_EQ(written[i], expected[i]) << "byte " << i;
  }
}

TEST(BoardHeader, EveryFieldIsReadFromItsOffset) {
  // The list slot means nothing in a file, whatever it holds.
  const std::vector<std::uint8_t> image = expectedImage(0x12345678);
  BoardHeader read;
  ASSERT_TRUE(readBoardHeader(image.data(), read));
  EXPECT_EQ(read, distinctHeader());
}

TEST(BoardHeader, FollowsTheBoardNameInALayoutFile) {
  Document doc;
  doc.boards.push_back(std::make_unique<Board>());
  doc.boards[0]->header = distinctHeader();
  const std::string file = writeLayout(doc);
  // Version word, board count and the 31-byte name come first.
  ASSERT_GE(file.size(), 39 + kBoardHeaderSize);
  const std::vector<std::uint8_t> expected = expectedImage(0);
  EXPECT_EQ(file.substr(39, kBoardHeaderSize), std::string(expected.begin(), expected.end()));
}

}  // namespace
}  // namespace pravelo

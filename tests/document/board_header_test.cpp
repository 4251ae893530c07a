#include "document/board_header.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "document/layout_file.h"

namespace pravelo {
namespace {

// The header image built field by field from the format's table, in table order, without the
// reader's or the writer's offsets; each field names the offset the table gives it, checked
// against the size of the fields before it.
class HeaderImage {
 public:
  void bytes(std::size_t offset, std::initializer_list<std::uint8_t> values) {
    at(offset);
    image_.insert(image_.end(), values.begin(), values.end());
  }
  void int32(std::size_t offset, std::int32_t value) {
    at(offset);
    little(static_cast<std::uint32_t>(value), 4);
  }
  void float64(std::size_t offset, double value) {
    at(offset);
    std::uint64_t bits;
    std::memcpy(&bits, &value, 8);
    little(bits, 8);
  }
  // A length byte and 200 bytes, of which the unused ones are 0.
  void shortString200(std::size_t offset, const std::string& s) {
    at(offset);
    image_.push_back(static_cast<std::uint8_t>(s.size()));
    image_.insert(image_.end(), s.begin(), s.end());
    image_.resize(image_.size() + 200 - s.size(), 0);
  }
  const std::vector<std::uint8_t>& image() const { return image_; }

 private:
  void at(std::size_t offset) const { EXPECT_EQ(image_.size(), offset) << "table offset"; }
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
  e.int32(0, listSlot);                                 // object list slot
  e.int32(4, 1234567);                                  // width
  e.int32(8, 7654321);                                  // height
  e.bytes(12, {1, 0, 1, 1, 0, 1, 0});                   // ground plane of layers 1..7
  e.float64(19, 3968.75);                               // grid
  e.float64(27, 0.0125);                                // zoom
  e.int32(35, -17);                                     // horizontal scroll
  e.int32(39, 4242);                                    // vertical scroll
  e.int32(43, 5);                                       // active layer
  e.bytes(47, {0, 1, 0, 1, 1, 0, 1});                   // layer visible
  e.bytes(54, {1});                                     // template 1 shown
  e.bytes(55, {0});                                     // template 2 shown
  e.shortString200(56, "top.bmp");                      // template 1 file
  e.shortString200(257, "C:\\scans\\bottom side.jpg");  // template 2 file
  e.int32(458, 300);                                    // template 1 dpi
  e.int32(462, 1200);                                   // template 2 dpi
  e.int32(466, -15);                                    // template 1 x offset
  e.int32(470, 25);                                     // template 2 x offset
  e.int32(474, 35);                                     // template 1 y offset
  e.int32(478, -45);                                    // template 2 y offset
  e.int32(482, 0x00112233);                             // template 1 tint
  e.int32(486, 0x00445566);                             // template 2 tint
  e.int32(490, 1000);                                   // origin x
  e.int32(494, -2000);                                  // origin y
  e.bytes(498, {1});                                    // multilayer
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

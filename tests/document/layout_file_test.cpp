#include "document/layout_file.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>

#include "document/document_texts.h"
#include "document/file_format_error.h"
#include "document/object_image.h"
#include "document/object_list.h"
#include "support/sample_layout.h"

namespace pravelo {
namespace {

using testing::add;
using testing::sampleDocument;
using testing::strokeTrack;

template <typename T>
T at(const std::string& bytes, std::size_t offset) {
  T v;
  std::memcpy(&v, bytes.data() + offset, sizeof(T));
  return v;
}

template <typename T>
void patch(std::string& bytes, std::size_t offset, T value) {
  std::memcpy(bytes.data() + offset, &value, sizeof(T));
}

std::array<std::uint8_t, kObjectImageSize> image(const TObjekt& o) {
  std::array<std::uint8_t, kObjectImageSize> bytes;
  writeObjectImage(o, bytes.data());
  return bytes;
}

std::vector<int> indices(const ObjectList& list, const std::vector<TObjekt*>& objects) {
  std::vector<int> result;
  for (const TObjekt* o : objects) result.push_back(indexOf(list, o));
  return result;
}

void expectSameObject(const ObjectList& expectedList, const TObjekt& expected,
                      const ObjectList& actualList, const TObjekt& actual) {
  EXPECT_EQ(image(actual), image(expected));
  EXPECT_EQ(actual.text, expected.text);
  EXPECT_EQ(actual.name, expected.name);
  EXPECT_EQ(actual.groups, expected.groups);
  EXPECT_EQ(actual.points, expected.points);
  EXPECT_EQ(actual.component, expected.component);
  ASSERT_EQ(actual.children.size(), expected.children.size());
  for (std::size_t i = 0; i < actual.children.size(); ++i) {
    EXPECT_EQ(image(actual.children[i]), image(expected.children[i]));
    EXPECT_EQ(actual.children[i].points, expected.children[i].points);
  }
  EXPECT_EQ(indices(actualList, actual.connections), indices(expectedList, expected.connections));
  EXPECT_EQ(indexOf(actualList, actual.routeEndA), indexOf(expectedList, expected.routeEndA));
  EXPECT_EQ(indexOf(actualList, actual.routeEndB), indexOf(expectedList, expected.routeEndB));
}

TEST(LayoutFile, WritesTheFramingAtItsOffsets) {
  Document doc = sampleDocument();
  const std::string bytes = writeLayout(doc);
  EXPECT_EQ(bytes.substr(0, 4), std::string("\x06\x33\xAA\xFF", 4));
  EXPECT_EQ(at<std::int32_t>(bytes, 4), 2);
  EXPECT_EQ(bytes[8], 4);
  EXPECT_EQ(bytes.substr(9, 4), "Main");
  EXPECT_EQ(bytes.substr(13, 26), std::string(26, '\0'));
  EXPECT_EQ(at<std::int32_t>(bytes, 39), 0) << "the header's list slot is written 0";
  EXPECT_EQ(at<std::int32_t>(bytes, 43), 800000);
  EXPECT_EQ(at<std::int32_t>(bytes, 538), static_cast<int>(doc.boards[0]->objects.size()));
  EXPECT_EQ(bytes[542], kPad);
  // The end: active board, three 101-byte project strings, the comment.
  const std::size_t end = bytes.size();
  const std::string comment = "line one\r\nline two";
  EXPECT_EQ(bytes.substr(end - comment.size()), comment);
  EXPECT_EQ(at<std::int32_t>(bytes, end - comment.size() - 4), 18);
  const std::size_t title = end - comment.size() - 4 - 3 * 101;
  EXPECT_EQ(bytes[title], 5);
  EXPECT_EQ(bytes.substr(title + 1, 5), "Title");
  EXPECT_EQ(at<std::int32_t>(bytes, title - 4), 1) << "active board";
}

TEST(LayoutFile, ReadingBackGivesEveryStoredFieldAndTheSameBytes) {
  Document doc = sampleDocument();
  const std::string bytes = writeLayout(doc);
  LayoutContents read = parseLayout(bytes);

  ASSERT_EQ(read.boards.size(), 2u);
  EXPECT_EQ(read.activeBoard, 1);
  EXPECT_EQ(read.project, doc.project);
  for (std::size_t b = 0; b < 2; ++b) {
    const Board& expected = *doc.boards[b];
    const Board& actual = *read.boards[b];
    EXPECT_EQ(actual.name, expected.name);
    EXPECT_EQ(actual.header, expected.header);
    ASSERT_EQ(actual.objects.size(), expected.objects.size());
    for (std::size_t i = 0; i < actual.objects.size(); ++i) {
      SCOPED_TRACE("board " + std::to_string(b) + " object " + std::to_string(i));
      expectSameObject(expected.objects, *expected.objects[i], actual.objects, *actual.objects[i]);
    }
  }
  Document again;
  again.boards = std::move(read.boards);
  again.activeBoard = read.activeBoard;
  again.project = read.project;
  EXPECT_EQ(writeLayout(again), bytes);
}

TEST(LayoutFile, MaskOnlyZoneStoresOneMoreThanItsVertexCount) {
  Document doc;
  doc.boards.push_back(std::make_unique<Board>());
  TObjekt zone = newObject();
  initZone(zone, 0, kLayerC2);
  for (int i = 0; i < 5; ++i) addPoint(zone, {static_cast<float>(i), 1});
  zone.maskOnly = 1;
  add(*doc.boards[0], std::move(zone));
  const std::string bytes = writeLayout(doc);
  EXPECT_EQ(at<std::int32_t>(bytes, 542 + 77 + 12), 6);
  EXPECT_EQ(parseLayout(bytes).boards[0]->objects[0]->points.size(), 5u);
}

TEST(LayoutFile, CountedStringOfLengthZeroOrLessIsEmptyAndTakesOnlyItsLength) {
  Document doc;
  doc.boards.push_back(std::make_unique<Board>());
  add(*doc.boards[0], strokeTrack(0, 0, 1, 1, kLayerC1));
  std::string bytes = writeLayout(doc);
  patch<std::int32_t>(bytes, 542 + 77, -1);  // text
  patch<std::int32_t>(bytes, 542 + 81, 0);   // name
  const LayoutContents read = parseLayout(bytes);
  EXPECT_EQ(read.boards[0]->objects[0]->text, "");
  EXPECT_EQ(read.boards[0]->objects[0]->points.size(), 2u);
}

TEST(LayoutFile, WriterCutsStringsToWhatTheReaderAccepts) {
  Document doc;
  doc.boards.push_back(std::make_unique<Board>());
  Board& b = *doc.boards[0];
  b.name = std::string(40, 'n');
  b.header.templateFile[0] = std::string(250, 't');
  TObjekt track = strokeTrack(0, 0, 1, 1, kLayerC1);
  track.text = std::string(300, 'a');
  track.name = std::string(256, 'b');
  add(b, std::move(track));
  doc.project = {std::string(150, 'T'), "", "", std::string(2500, 'c')};

  const LayoutContents read = parseLayout(writeLayout(doc));
  EXPECT_EQ(read.boards[0]->name.size(), kBoardNameMax);
  EXPECT_EQ(read.boards[0]->header.templateFile[0].size(), kTemplateNameMax);
  EXPECT_EQ(read.boards[0]->objects[0]->text.size(), kCountedStringMax);
  EXPECT_EQ(read.boards[0]->objects[0]->name.size(), kCountedStringMax);
  EXPECT_EQ(read.project.title.size(), kProjectStringMax);
  EXPECT_EQ(read.project.comment.size(), kProjectCommentMax);
}

// Four objects (pads 0..2, track 3) with the connection section `section` and, when the track
// is autorouted, the route ends `ends`.
LayoutContents withSections(const std::string& section, const std::string& ends) {
  Document doc;
  doc.boards.push_back(std::make_unique<Board>());
  for (float x : {0.0f, 1000.0f, 2000.0f}) {
    TObjekt pad = newObject();
    initPad(pad, {x, 0}, kLayerC1, kPadCircular, 100, 200);
    add(*doc.boards[0], std::move(pad));
  }
  TObjekt* track = add(*doc.boards[0], strokeTrack(0, 0, 1, 1, kLayerC1));
  track->autorouted = ends.empty() ? 0 : 1;
  const std::string bytes = writeLayout(doc);
  const std::size_t sections = 542 + 4 * 109;
  const std::size_t written = 3 * 4 + (ends.empty() ? 0 : 8);
  return parseLayout(bytes.substr(0, sections) + section + ends + bytes.substr(sections + written));
}

std::string int32s(std::initializer_list<std::int32_t> values) {
  std::string bytes;
  for (std::int32_t v : values) bytes.append(reinterpret_cast<const char*>(&v), 4);
  return bytes;
}

TEST(LayoutFile, ConnectionIndicesThatCannotBeHonouredAreSkippedAndListsMadeSymmetric) {
  // Pad 0 names: none, out of range, itself, the track, pad 1, pad 1 again; pad 2 names pad 0.
  const LayoutContents read =
      withSections(int32s({6, -1, 99, 0, 3, 1, 1, /*pad 1*/ 0, /*pad 2*/ 1, 0}), "");
  const ObjectList& objects = read.boards[0]->objects;
  EXPECT_EQ(indices(objects, objects[0]->connections), (std::vector<int>{1, 2}));
  EXPECT_EQ(indices(objects, objects[1]->connections), (std::vector<int>{0}));
  EXPECT_EQ(indices(objects, objects[2]->connections), (std::vector<int>{0}));
  EXPECT_TRUE(objects[3]->connections.empty());
}

TEST(LayoutFile, RouteEndsOnlyPointAtPads) {
  const std::string none = int32s({0, 0, 0});
  struct Case {
    std::int32_t a, b;
    int expectedA, expectedB;
  };
  for (const Case& c :
       {Case{0, 2, 0, 2}, Case{-1, 1, -1, 1}, Case{3, 99, -1, -1}, Case{-7, 4, -1, -1}}) {
    const LayoutContents read = withSections(none, int32s({c.a, c.b}));
    const ObjectList& objects = read.boards[0]->objects;
    EXPECT_EQ(indexOf(objects, objects[3]->routeEndA), c.expectedA) << c.a;
    EXPECT_EQ(indexOf(objects, objects[3]->routeEndB), c.expectedB) << c.b;
  }
}

// ---------------------------------------------------------------------------------------------
// Damaged files

// Offsets in a file of one board whose first object has no groups.
constexpr std::size_t kObjectCount = 538;
constexpr std::size_t kFirstObject = 542;
constexpr std::size_t kTextLength = kFirstObject + 77;
constexpr std::size_t kGroupCount = kFirstObject + 85;
constexpr std::size_t kAfterGroups = kFirstObject + 89;  // point or child count

std::string oneObjectFile(TObjekt o) {
  Document doc;
  doc.boards.push_back(std::make_unique<Board>());
  doc.boards[0]->header = newBoardHeader(1000, 1000);
  add(*doc.boards[0], std::move(o));
  return writeLayout(doc);
}

TObjekt pad() {
  TObjekt o = newObject();
  initPad(o, {0, 0}, kLayerC1, kPadCircular, 100, 200);
  return o;
}

TObjekt maskZone() {
  TObjekt o = newObject();
  initZone(o, 0, kLayerC1);
  addPoint(o, {0, 0});
  addPoint(o, {1, 1});
  o.maskOnly = 1;
  return o;
}

TObjekt idText() {
  TObjekt o = testing::textWithStroke("", {0, 0}, kLayerS1);
  o.variant = kComponentIdText;
  return o;
}

struct Damage {
  const char* name;
  TObjekt (*object)();
  std::size_t offset;  // where the damage is written
  std::int64_t value;  // written as int32, or as one byte where `byte` is set
  bool byte;
  const Text* problem;
  const Text* field;
};

TObjekt track() { return strokeTrack(0, 0, 1, 1, kLayerC1); }

// clang-format off
const Damage kDamages[] = {
  {"board count 0", track, 4, 0, false, &texts::problemNoBoards, &texts::fieldBoardCount},
  {"board count -1", track, 4, -1, false, &texts::problemNoBoards, &texts::fieldBoardCount},
  {"board count 2^31-1", track, 4, 0x7FFFFFFF, false, &texts::problemCountTooLarge, &texts::fieldBoardCount},
  {"board name length 31", track, 8, 31, true, &texts::problemStringTooLong, &texts::fieldBoardName},
  {"template name length 201", track, 39 + 56, 201, true, &texts::problemStringTooLong, &texts::fieldTemplateName},
  {"second template name length 255", track, 39 + 257, 255, true, &texts::problemStringTooLong, &texts::fieldTemplateName},
  {"object count -1", track, kObjectCount, -1, false, &texts::problemNegativeCount, &texts::fieldObjectCount},
  {"object count 2^31-1", track, kObjectCount, 0x7FFFFFFF, false, &texts::problemCountTooLarge, &texts::fieldObjectCount},
  {"text length 256", track, kTextLength, 256, false, &texts::problemStringTooLong, &texts::fieldText},
  {"text length 300", track, kTextLength, 300, false, &texts::problemStringTooLong, &texts::fieldText},
  {"name length 2^31-1", track, kTextLength + 4, 0x7FFFFFFF, false, &texts::problemStringTooLong, &texts::fieldName},
  {"group count -5", track, kGroupCount, -5, false, &texts::problemNegativeCount, &texts::fieldGroupCount},
  {"group count 2^30", track, kGroupCount, 1 << 30, false, &texts::problemCountTooLarge, &texts::fieldGroupCount},
  {"point count -1", track, kAfterGroups, -1, false, &texts::problemNegativeCount, &texts::fieldPointCount},
  {"point count 2^31-1", track, kAfterGroups, 0x7FFFFFFF, false, &texts::problemCountTooLarge, &texts::fieldPointCount},
  {"mask-only zone with point count 0", maskZone, kAfterGroups, 0, false, &texts::problemCountTooSmall, &texts::fieldPointCount},
  {"child count -1", idText, kAfterGroups, -1, false, &texts::problemNegativeCount, &texts::fieldChildCount},
  {"child count 2^31-1", idText, kAfterGroups, 0x7FFFFFFF, false, &texts::problemCountTooLarge, &texts::fieldChildCount},
  {"child vertex count 2^31-1", idText, kAfterGroups + 4 + 77, 0x7FFFFFFF, false, &texts::problemCountTooLarge, &texts::fieldPointCount},
  {"package length 1000", idText, kAfterGroups + 4 + 81 + 16 + 17, 1000, false, &texts::problemStringTooLong, &texts::fieldComponentData},
  {"connection count -2", pad, kAfterGroups + 4 + 16, -2, false, &texts::problemNegativeCount, &texts::fieldConnectionCount},
  {"connection count 2^31-1", pad, kAfterGroups + 4 + 16, 0x7FFFFFFF, false, &texts::problemCountTooLarge, &texts::fieldConnectionCount},
};
// clang-format on

class DamagedFile : public ::testing::TestWithParam<Damage> {};

TEST_P(DamagedFile, IsAFormatErrorNamingFieldAndOffset) {
  const Damage& d = GetParam();
  std::string bytes = oneObjectFile(d.object());
  if (d.byte) {
    bytes[d.offset] = static_cast<char>(d.value);
  } else {
    patch(bytes, d.offset, static_cast<std::int32_t>(d.value));
  }
  try {
    parseLayout(bytes);
    FAIL() << "accepted";
  } catch (const FileFormatError& e) {
    EXPECT_STREQ(e.problem().en, d.problem->en);
    EXPECT_STREQ(e.field().en, d.field->en);
    EXPECT_EQ(e.offset(), d.offset);
  }
}

INSTANTIATE_TEST_SUITE_P(Table, DamagedFile, ::testing::ValuesIn(kDamages),
                         [](const ::testing::TestParamInfo<Damage>& row) {
                           std::string name = row.param.name;
                           for (char& c : name) {
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           }
                           return name;
                         });

TEST(LayoutFile, BytesAfterTheProjectCommentAreIgnored) {
  const std::string bytes = writeLayout(sampleDocument());
  for (const std::string& junk :
       {std::string(1, '\0'), std::string("\x06\x33\xAA\xFF"), std::string(5000, '\xFF'), bytes}) {
    Document doc;
    LayoutContents read = parseLayout(bytes + junk);
    doc.boards = std::move(read.boards);
    doc.activeBoard = read.activeBoard;
    doc.project = read.project;
    EXPECT_EQ(writeLayout(doc), bytes) << junk.size() << " bytes appended";
  }
}

TEST(LayoutFile, EveryTruncationIsAFormatError) {
  const std::string bytes = writeLayout(sampleDocument());
  for (std::size_t size = 0; size < bytes.size(); ++size) {
    EXPECT_THROW(parseLayout(std::string_view(bytes).substr(0, size)), FileFormatError)
        << "size " << size;
  }
}

TEST(LayoutFile, ReportNamesProblemFieldAndOffsetInTheLanguage) {
  std::string bytes = oneObjectFile(track());
  patch<std::int32_t>(bytes, kObjectCount, -1);
  try {
    parseLayout(bytes);
    FAIL();
  } catch (const FileFormatError& e) {
    EXPECT_EQ(e.report(Language::English),
              "The file is damaged: the count is negative (object count) at byte 538.");
    EXPECT_EQ(
        e.report(Language::German),
        "Die Datei ist beschädigt: die Anzahl ist negativ (Anzahl der Objekte) bei Byte 538.");
  }
}

}  // namespace
}  // namespace pravelo

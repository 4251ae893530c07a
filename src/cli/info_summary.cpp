#include "cli/info_summary.h"

#include <array>
#include <charconv>

#include "base/windows1252.h"
#include "cli/cli_texts.h"

namespace pravelo {
namespace {

const std::array<const Text*, 8> kKindNames = {&texts::cliKindLegacyLine, &texts::cliKindPad,
                                               &texts::cliKindLegacyText, &texts::cliKindZone,
                                               &texts::cliKindCircle,     &texts::cliKindTrack,
                                               &texts::cliKindText,       &texts::cliKindSmdPad};

const std::array<const Text*, kLayerCount> kLayerNames = {
    &texts::cliLayerC1, &texts::cliLayerS1, &texts::cliLayerC2, &texts::cliLayerS2,
    &texts::cliLayerI1, &texts::cliLayerI2, &texts::cliLayerO};

std::size_t characters(const std::string& s) {
  std::size_t n = 0;
  for (char c : s) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return n;
}

std::string padLeft(const std::string& s, std::size_t width) {
  return std::string(width > characters(s) ? width - characters(s) : 0, ' ') + s;
}

std::string padRight(const std::string& s, std::size_t width) {
  return s + std::string(width > characters(s) ? width - characters(s) : 0, ' ');
}

// Units as millimetres with three decimals, independent of the locale.
std::string millimetres(std::int32_t units) {
  char digits[32];
  const auto written =
      std::to_chars(digits, digits + sizeof digits, units / 10000.0, std::chars_format::fixed, 3);
  return std::string(digits, written.ptr) + " mm";
}

// "1 object", "2 objects"; French counts none as singular too ("0 objet").
std::string objectCount(std::size_t n, Language language) {
  const bool singular = language == Language::French ? n <= 1 : n == 1;
  return std::to_string(n) + tr(singular ? texts::cliObject : texts::cliObjects, language);
}

// Rows per kind, columns per layer, only for kinds the board has.
std::string countTable(const Board& board, Language language) {
  std::array<std::array<int, kLayerCount>, kKindNames.size()> counts{};
  for (const auto& o : board.objects) {
    if (o->kind >= 1 && o->kind <= kKindNames.size() && o->layer >= 1 && o->layer <= kLayerCount) {
      ++counts[o->kind - 1][o->layer - 1];
    }
  }
  constexpr std::size_t kNameWidth = 16;
  constexpr std::size_t kColumn = 6;
  std::string table = "  " + std::string(kNameWidth, ' ');
  for (const Text* layer : kLayerNames) table += padLeft(tr(*layer, language), kColumn);
  table += padLeft(tr(texts::cliTotal, language), kColumn + 2) + "\n";
  for (std::size_t kind = 0; kind < kKindNames.size(); ++kind) {
    int total = 0;
    for (int n : counts[kind]) total += n;
    if (total == 0) continue;
    table += "  " + padRight(tr(*kKindNames[kind], language), kNameWidth);
    for (int n : counts[kind]) table += padLeft(std::to_string(n), kColumn);
    table += padLeft(std::to_string(total), kColumn + 2) + "\n";
  }
  return table;
}

}  // namespace

std::string infoSummary(const Document& doc, const std::string& path, Language language) {
  std::string s = tr(texts::cliFile, language) + path + "\n";
  const std::pair<const Text*, const std::string*> project[] = {
      {&texts::cliTitle, &doc.project.title},
      {&texts::cliAuthor, &doc.project.author},
      {&texts::cliCompany, &doc.project.company}};
  for (const auto& [label, value] : project) {
    if (!value->empty()) s += tr(*label, language) + windows1252ToUtf8(*value) + "\n";
  }
  s += tr(texts::cliBoards, language) + std::to_string(doc.boards.size()) + " (" +
       tr(texts::cliActive, language) + std::to_string(doc.activeBoard + 1) + ")\n";
  for (std::size_t i = 0; i < doc.boards.size(); ++i) {
    const Board& b = *doc.boards[i];
    s += std::string("\n") + tr(texts::cliBoard, language) + std::to_string(i + 1) + " " +
         quoted(windows1252ToUtf8(b.name)) + ": " + millimetres(b.header.width) + " x " +
         millimetres(b.header.height) + ", " + objectCount(b.objects.size(), language) +
         (b.header.multilayer != 0 ? tr(texts::cliMultilayer, language) : "") + "\n";
    if (!b.objects.empty()) s += countTable(b, language);
  }
  return s;
}

}  // namespace pravelo

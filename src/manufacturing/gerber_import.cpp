#include "manufacturing/gerber_import.h"

#include <algorithm>
#include <filesystem>

#include "base/file_io.h"
#include "geometry/bounding_box.h"
#include "geometry/translate.h"
#include "manufacturing/gerber_import_texts.h"
#include "manufacturing/gerber_read.h"
#include "manufacturing/import_error.h"
#include "manufacturing/track_join.h"
#include "project/boards.h"
#include "view/normalise_board_header.h"

namespace pravelo {
namespace {

std::string fileNameOf(const std::string& path) {
  return std::filesystem::path(path).filename().string();
}

ImportFailure failure(const std::string& path, const ImportError& error, Language language) {
  return {error.report(fileNameOf(path), language)};
}

// The bytes of a file below `limit`; a missing, unreadable or larger file is a failure.
std::optional<std::string> importBytes(const std::string& path, std::size_t limit,
                                       std::optional<ImportFailure>& failed, Language language) {
  std::error_code error;
  if (!std::filesystem::exists(path, error)) {
    failed = ImportFailure{
        fillIn(texts::importFileReport, language, {path, tr(texts::importFileMissing, language)})};
    return std::nullopt;
  }
  InputFile file(path);
  if (file.status() == InputFile::Status::Open && file.remaining() >= limit) {
    failed = failure(path, ImportError(texts::importFileTooLarge, 0), language);
    return std::nullopt;
  }
  std::optional<std::string> bytes;
  if (file.status() == InputFile::Status::Open) bytes = file.read(file.remaining());
  if (!bytes) failed = failure(path, ImportError(texts::importUnreadable, 0), language);
  return bytes;
}

// The data's extent without clearances: the board is measured from the copper itself.
TRect dataBounds(ObjectList& objects) {
  TRect box;
  bool first = true;
  for (auto& o : objects) {
    const std::int32_t clearance = o->clearance;
    o->clearance = 0;
    const TRect b = objectBounds(*o);
    o->clearance = clearance;
    box = first ? b : unite(box, b);
    first = false;
  }
  return box;
}

std::int32_t boardSide(std::int64_t dataSide) {
  return static_cast<std::int32_t>(
      std::clamp<std::int64_t>(dataSide + 2 * kImportMargin, 1, kMaxBoardSide));
}

}  // namespace

std::string importFileStart(const std::string& path, std::size_t limit) {
  InputFile file(path);
  if (file.status() != InputFile::Status::Open) return {};
  return file.read(std::min<std::uint64_t>(file.remaining(), limit)).value_or("");
}

std::optional<ImportFailure> readGerberFile(const std::string& path, std::uint8_t layer,
                                            const GerberDefaults& defaults, ObjectList& objects,
                                            Language language) {
  std::optional<ImportFailure> failed;
  const std::optional<std::string> bytes = importBytes(path, kGerberFileLimit, failed, language);
  if (!bytes) return failed;
  try {
    objects = readGerber(*bytes, layer, defaults);
  } catch (const ImportError& e) {
    return failure(path, e, language);
  }
  return std::nullopt;
}

std::optional<ImportFailure> readImport(const GerberImportRequest& request, ImportedData& data,
                                        Language language, const std::function<bool()>& cancelled) {
  ImportedData read;
  for (int layer = 1; layer <= kLayerCount; ++layer) {
    const std::string& path = request.gerberFiles[layer];
    if (path.empty()) continue;
    ObjectList objects;
    if (auto failed = readGerberFile(path, static_cast<std::uint8_t>(layer), request.gerber,
                                     objects, language)) {
      return failed;
    }
    if ((layer == kLayerI1 || layer == kLayerI2) && !objects.empty()) read.innerLayers = true;
    for (auto& o : objects) read.objects.push_back(std::move(o));
  }
  if (!request.drillFile.empty()) {
    std::optional<ImportFailure> failed;
    const std::optional<std::string> bytes =
        importBytes(request.drillFile, kExcellonFileLimit, failed, language);
    if (!bytes) return failed;
    try {
      // Every hit is read before the first one changes a pad.
      drillHits(read.objects, readExcellon(*bytes, request.drill), request.createVias);
    } catch (const ImportError& e) {
      return failure(request.drillFile, e, language);
    }
  }
  if (request.optimizeTracks) optimizeConnectedTracks(read.objects, cancelled);
  data = std::move(read);
  return std::nullopt;
}

void placeImport(Board& board, ImportedData data) {
  if (data.innerLayers) {
    board.header.multilayer = 1;
    board.header.layerVisible[kLayerI1 - 1] = 1;
    board.header.layerVisible[kLayerI2 - 1] = 1;
  }
  if (data.objects.empty()) return;
  const TRect box = dataBounds(data.objects);
  // In world coordinates the rectangle's `top` is the smaller y.
  const double dx = double(kImportMargin) - box.left;
  const double dy = -double(box.bottom) - kImportMargin;
  for (auto& o : data.objects) translateObject(*o, dx, dy);
  board.header.width = boardSide(rectWidth(box));
  board.header.height = boardSide(rectHeight(box));
  board.header.originX = kImportMargin;
  board.header.originY = kImportMargin - board.header.height;
  for (auto& o : data.objects) board.objects.push_back(std::move(o));
}

std::optional<ImportFailure> importToDocument(const GerberImportRequest& request,
                                              const std::string& boardName, Document& doc,
                                              Language language) {
  ImportedData data;
  if (auto failed = readImport(request, data, language)) return failed;
  Document fresh;
  Board& board = addBoard(fresh, boardName, 1600000, 1000000);
  placeImport(board, std::move(data));
  doc = std::move(fresh);
  return std::nullopt;
}

}  // namespace pravelo

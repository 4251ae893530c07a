#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "base/text.h"
#include "document/document.h"
#include "manufacturing/excellon_read.h"
#include "manufacturing/gerber_format.h"

namespace pravelo {

// The import's margin around the data on every side (5 mm), in units.
inline constexpr std::int32_t kImportMargin = 50000;

// The files of one import and how to read them.
struct GerberImportRequest {
  std::array<std::string, kLayerCount + 1> gerberFiles;  // by layer 1 ... 7; empty: none
  std::string drillFile;                                 // empty: none
  GerberDefaults gerber;
  ExcellonReadSettings drill;
  bool createVias = true;
  bool optimizeTracks = true;
};

// What the files gave: the objects in file coordinates, and whether inner layers have data.
struct ImportedData {
  ObjectList objects;
  bool innerLayers = false;
};

// A file that could not be read, with the message that names it (and the line).
struct ImportFailure {
  std::string message;
};

// The first bytes of a file, at most `limit`, so that looking into a file never reads more than a
// reader would accept; empty when it cannot be read.
std::string importFileStart(const std::string& path, std::size_t limit);

// One Gerber file read from disk onto `layer`; the failure names the file.
std::optional<ImportFailure> readGerberFile(const std::string& path, std::uint8_t layer,
                                            const GerberDefaults& defaults, ObjectList& objects,
                                            Language language);

// Reads every file of the request, the Gerber files by layer and then the drill file, and joins
// tracks when asked. Nothing is changed anywhere: the first file that cannot be read gives its
// failure instead. `cancelled` may stop the track join early.
std::optional<ImportFailure> readImport(const GerberImportRequest& request, ImportedData& data,
                                        Language language,
                                        const std::function<bool()>& cancelled = {});

// Puts imported objects on an empty board: moved so that the data starts 5 mm from the left and
// top edges, the board 10 mm larger than the data, the user origin at the data's lower left
// corner, and inner layers switched on when they have data.
void placeImport(Board& board, ImportedData data);

// The whole import into a new document of one board named `boardName`, as the command line
// writes it.
std::optional<ImportFailure> importToDocument(const GerberImportRequest& request,
                                              const std::string& boardName, Document& doc,
                                              Language language);

}  // namespace pravelo

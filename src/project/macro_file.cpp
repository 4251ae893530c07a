#include "project/macro_file.h"

#include <algorithm>
#include <utility>

#include "base/atomic_file.h"
#include "base/file_io.h"
#include "document/byte_io.h"
#include "document/document_texts.h"
#include "document/file_format_error.h"
#include "document/layout_version.h"
#include "document/object_section.h"
#include "document/old_object_section.h"
#include "project/load_repairs.h"
#include "project/macro_texts.h"

namespace pravelo {
namespace {

// A length byte and a 50-byte field.
std::string readMacroLine(ByteReader& in) {
  const std::size_t at = in.offset();
  const std::string_view bytes = in.getBytes(kMacroLineMax + 1, texts::fieldMacroLine);
  const std::size_t n = static_cast<std::uint8_t>(bytes[0]);
  if (n > kMacroLineMax)
    throw FileFormatError(texts::problemStringTooLong, texts::fieldMacroLine, at);
  return std::string(bytes.substr(1, n));
}

// Macros before version 5 numbered their layers differently: 5 was the bottom copper and 6 the
// top silkscreen.
void renumberOldMacroLayers(ObjectList& objects) {
  auto renumber = [](TObjekt& o) {
    if (o.layer == kLayerI1) {
      o.layer = kLayerC2;
    } else if (o.layer == kLayerI2) {
      o.layer = kLayerS1;
    }
  };
  for (auto& o : objects) {
    renumber(*o);
    for (TObjekt& child : o->children) renumber(child);
  }
}

void writeMacroLine(ByteWriter& out, const std::string& line) {
  const std::size_t n = std::min(line.size(), kMacroLineMax);
  out.put(static_cast<std::uint8_t>(n));
  out.putBytes(line.data(), n);
  out.putZeros(kMacroLineMax - n);
}

}  // namespace

MacroContents parseMacro(std::string_view bytes) {
  ByteReader in(bytes);
  const std::int64_t version =
      static_cast<std::int64_t>(in.get<std::uint32_t>(texts::fieldVersion)) - kLayoutVersionBase;
  if (version < 0 || version > kLayoutVersion) {
    throw FileFormatError(texts::problemUnsupportedVersion, texts::fieldVersion, 0);
  }
  MacroContents macro;
  if (version >= 5) {
    readObjectSection(in, macro.objects, static_cast<int>(version));
  } else {
    readOldObjectSection(in, static_cast<int>(version), macro.objects);
    renumberOldMacroLayers(macro.objects);
  }
  // Description lines came with version 4.
  if (version >= 4) {
    macro.line1 = readMacroLine(in);
    macro.line2 = readMacroLine(in);
  }
  return macro;
}

MacroContents readMacro(std::string_view bytes) {
  MacroContents macro = parseMacro(bytes);
  // The repairs work on a board; a macro has no header of its own.
  Board holder;
  holder.objects = std::move(macro.objects);
  repairLoadedBoard(holder);
  macro.objects = std::move(holder.objects);
  return macro;
}

std::string writeMacroFile(const ObjectList& objects, const std::string& line1,
                           const std::string& line2) {
  std::string bytes;
  ByteWriter out(bytes);
  out.put(kLayoutVersionBase + kLayoutVersion);
  writeObjectSection(out, objects);
  writeMacroLine(out, line1);
  writeMacroLine(out, line2);
  return bytes;
}

bool saveMacro(const std::filesystem::path& path, const ObjectList& objects,
               const std::string& line1, const std::string& line2, std::error_code* error) {
  return writeFileAtomically(path, writeMacroFile(objects, line1, line2), error);
}

LoadedMacro loadMacroFile(const std::filesystem::path& path, Language language) {
  LoadedMacro result;
  InputFile file(path.string());
  std::optional<std::string> bytes;
  if (file.status() == InputFile::Status::Open) bytes = file.read(file.remaining());
  if (bytes) {
    try {
      result.contents = readMacro(*bytes);
      result.ok = true;
      return result;
    } catch (const FileFormatError&) {
    }
  }
  result.message = tr(texts::macroNotLoaded, language);
  return result;
}

}  // namespace pravelo

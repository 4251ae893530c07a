#pragma once

#include <optional>
#include <string>

#include "base/host.h"
#include "base/text.h"
#include "document/document.h"
#include "project/text_io_read.h"

namespace pravelo {

// Writes the selected objects (all of them when none is selected) to `path` as Text-IO. Returns
// why not, UTF-8, when a text cannot be written in the format (then nothing is written) or the
// file cannot be saved; nothing on success.
std::optional<std::string> writeTextIoFile(const ObjectList& objects, const std::string& path,
                                           Language language);

// The objects of the Text-IO file at `path`, or why there are none: the file cannot be read, a
// record is damaged, or it holds no object ("No valid data found.").
struct TextIoImport {
  ObjectList objects;
  std::string problem;  // UTF-8; empty when objects were read
};
TextIoImport readTextIoFile(const std::string& path, const TextIoDefaults& defaults,
                            Language language);

// "Text-IO: Export elements...": as writeTextIoFile, with the problem shown to the user.
bool exportTextIo(const ObjectList& objects, Host& host, const std::string& path);

// "Text-IO: Import elements...": the file's objects replace the clipboard's. A file that gives
// no object is reported and leaves the clipboard as it was. Returns whether the clipboard was
// filled, so that the paste placement can start.
bool importTextIo(ObjectList& clipboard, Host& host, const std::string& path,
                  const TextIoDefaults& defaults);

}  // namespace pravelo

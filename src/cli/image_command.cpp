#include "cli/image_command.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <ostream>

#include "cli/cli.h"
#include "cli/cli_texts.h"
#include "cli/command_io.h"
#include "cli/image_command_texts.h"
#include "cli/outlines_texts.h"
#include "view/colour_scheme.h"

namespace pravelo {

CLI::App* addImageCommand(CLI::App& app, ImageRequest& request, Language language) {
  CLI::App* command = app.add_subcommand("image", tr(texts::cliImageHelp, language));
  command->fallthrough();
  command->add_option("FILE", request.file, tr(texts::cliFileHelp, language))->required();
  command->add_option("-o,--output", request.output, tr(texts::cliImageOutputHelp, language))
      ->required();
  command->add_option("--board", request.board, tr(texts::cliBoardNumberHelp, language));
  command->add_option("--step", request.step, tr(texts::cliImageStepHelp, language))
      ->check(CLI::Range(kMinImageStep, kMaxImageStep));
  command->add_flag("--bw", request.blackWhite, tr(texts::cliImageBwHelp, language));
  return command;
}

std::optional<ImageFormat> imageFormatOfName(const std::string& file) {
  std::string ending = std::filesystem::path(file).extension().string();
  std::ranges::transform(ending, ending.begin(),
                         [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (ending == ".bmp") return ImageFormat::Bitmap;
  if (ending == ".gif") return ImageFormat::Gif;
  if (ending == ".jpg" || ending == ".jpeg") return ImageFormat::Jpeg;
  if (ending == ".emf") return ImageFormat::Emf;
  if (ending == ".svg") return ImageFormat::Svg;
  return std::nullopt;
}

int runImageCommand(const Document& doc, const ImageRequest& request, std::ostream& err,
                    Language language) {
  const Board* chosen = chosenBoard(doc, request.board, err, language);
  if (!chosen) return kExitUsage;
  const std::optional<ImageFormat> format = imageFormatOfName(request.output);
  if (!format) {
    err << tr(texts::cliImageUnknownFormat, language) << request.output << "\n";
    return kExitUsage;
  }
  const ImageChoice choice{*format, request.step, !request.blackWhite};
  const ImageFile picture = imageFile(*chosen, standardScheme(), RenderOptions{}, choice);
  if (!picture.problem.empty()) {
    err << picture.problem << "\n";
    return kExitBadInput;
  }
  return writeOutput(request.output, picture.bytes, err, language);
}

}  // namespace pravelo

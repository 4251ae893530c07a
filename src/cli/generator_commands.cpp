#include "cli/generator_commands.h"

#include <ostream>

#include "base/atomic_file.h"
#include "base/units.h"
#include "cli/cli.h"
#include "cli/generator_fields.h"
#include "cli/generator_texts.h"
#include "cli/text_answer.h"
#include "project/macro_file.h"

namespace pravelo {

namespace {

CLI::App* addGeneratorCommand(CLI::App& app, const char* name, const Text& help,
                              const Text& typeHelp, GeneratorRequest& request, Language language) {
  CLI::App* command = app.add_subcommand(name, tr(help, language));
  command->fallthrough();
  command->add_option("TYPE", request.type, tr(typeHelp, language))->required();
  command->add_option("FIELDS", request.fields, tr(texts::cliFieldsHelp, language));
  command->add_option("-o,--output", request.output, tr(texts::cliGeneratorOutputHelp, language))
      ->required();
  command->add_option("--layer", request.layer, tr(texts::cliGeneratorLayerHelp, language))
      ->check(CLI::Range(1, kLayerCount));
  return command;
}

int writeGenerated(const GeneratorRequest& request, const ObjectList& objects, std::ostream& out,
                   std::ostream& err, Language language) {
  std::error_code error;
  if (!writeFileAtomically(request.output, writeMacroFile(objects, "", ""), &error)) {
    err << tr(texts::cliCouldNotWriteMacro, language) << request.output << ": " << error.message()
        << "\n";
    return kExitBadInput;
  }
  out << fillIn(texts::cliGeneratedObjects, language,
                {std::to_string(objects.size()), request.output})
      << "\n";
  return kExitOk;
}

}  // namespace

CLI::App* addFootprintCommand(CLI::App& app, GeneratorRequest& request, Language language) {
  return addGeneratorCommand(app, "footprint", texts::cliFootprintHelp, texts::cliFootprintTypeHelp,
                             request, language);
}

CLI::App* addShapeCommand(CLI::App& app, GeneratorRequest& request, Language language) {
  CLI::App* command = addGeneratorCommand(app, "shape", texts::cliShapeHelp,
                                          texts::cliShapeTypeHelp, request, language);
  command
      ->add_option("--clearance", request.clearanceMm,
                   tr(texts::cliGeneratorClearanceHelp, language))
      ->check(CLI::Range(0.0, 99.99));
  return command;
}

int runFootprintCommand(const GeneratorRequest& request, std::ostream& out, std::ostream& err,
                        Language language) {
  FootprintValues values;
  try {
    values.type = footprintTypeNamed(request.type);
    setFootprintDefaults(values);
    applyFootprintFields(request.fields, 0, values);
  } catch (const BadTextAnswer& e) {
    err << e.what() << "\n";
    return kExitUsage;
  }
  ObjectList objects;
  generateFootprint(values, request.layer, objects);
  return writeGenerated(request, objects, out, err, language);
}

int runShapeCommand(const GeneratorRequest& request, std::ostream& out, std::ostream& err,
                    Language language) {
  ShapeValues values;
  values.frame = initialFrameValues(language);
  try {
    values.kind = shapeKindNamed(request.type);
    applyShapeFields(request.fields, 0, values);
  } catch (const BadTextAnswer& e) {
    err << e.what() << "\n";
    return kExitUsage;
  }
  ObjectList objects;
  generateShape(values, request.layer, static_cast<std::int32_t>(mmToUnits(request.clearanceMm)),
                objects);
  return writeGenerated(request, objects, out, err, language);
}

}  // namespace pravelo

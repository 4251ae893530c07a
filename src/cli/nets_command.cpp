#include "cli/nets_command.h"

#include <map>
#include <ostream>

#include "cli/cli.h"
#include "cli/cli_texts.h"
#include "cli/nets_texts.h"
#include "cli/outlines_texts.h"
#include "view/connectivity.h"

namespace pravelo {

using Json = nlohmann::ordered_json;

CLI::App* addNetsCommand(CLI::App& app, NetsRequest& request, Language language) {
  CLI::App* command = app.add_subcommand("nets", tr(texts::cliNetsHelp, language));
  command->fallthrough();
  command->add_option("FILE", request.file, tr(texts::cliFileHelp, language))->required();
  command->add_option("--board", request.board, tr(texts::cliBoardNumberHelp, language));
  command->add_flag("--json", request.json, tr(texts::cliNetsJsonHelp, language));
  return command;
}

Json netsJson(const Board& board, int boardIndex) {
  Connectivity connectivity(board);
  const std::vector<int> group = connectivity.components();
  std::map<int, std::vector<int>> members;
  for (std::size_t i = 0; i < group.size(); ++i) {
    if (group[i] >= 0) members[group[i]].push_back(static_cast<int>(i));
  }
  Json groups = Json::array();
  for (const auto& [number, objects] : members) groups.push_back(objects);
  Json connections = Json::array();
  for (std::size_t i = 0; i < board.objects.size(); ++i) {
    for (const TObjekt* partner : board.objects[i]->connections) {
      const int j = connectivity.indexOf(partner);
      if (j <= static_cast<int>(i)) continue;  // each connection once
      const bool joined = group[i] >= 0 && group[i] == group[j];
      connections.push_back({{"pads", {i, j}}, {"joined", joined}});
    }
  }
  return {{"board", boardIndex}, {"groups", groups}, {"connections", connections}};
}

int runNets(const Document& doc, const NetsRequest& request, std::ostream& out, std::ostream& err,
            Language language) {
  const int boardIndex = request.board >= 0 ? request.board : doc.activeBoard;
  if (boardIndex < 0 || boardIndex >= static_cast<int>(doc.boards.size())) {
    err << tr(texts::cliNoSuchBoard, language) << request.board << ".\n";
    return kExitBadInput;
  }
  const Json result = netsJson(*doc.boards[boardIndex], boardIndex);
  if (request.json) {
    out << result.dump() << "\n";
    return kExitOk;
  }
  out << tr(texts::cliBoard, language) << boardIndex << ": " << result["groups"].size()
      << tr(texts::cliGroupsWord, language) << "\n";
  int number = 1;
  for (const Json& g : result["groups"]) {
    out << tr(texts::cliGroupWord, language) << number++ << ":";
    for (const Json& i : g) out << " " << i.dump();
    out << "\n";
  }
  for (const Json& c : result["connections"]) {
    out << tr(texts::cliConnectionWord, language) << c["pads"][0].dump() << "-"
        << c["pads"][1].dump() << ": "
        << tr(c["joined"].get<bool>() ? texts::cliJoinedWord : texts::cliOpenWord, language)
        << "\n";
  }
  return kExitOk;
}

}  // namespace pravelo

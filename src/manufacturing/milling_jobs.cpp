#include "manufacturing/milling_jobs.h"

#include "base/units.h"
#include "manufacturing/milling_drills.h"
#include "manufacturing/milling_objects.h"
#include "manufacturing/milling_texts.h"

namespace pravelo {
namespace {

std::string sideText(MillSide side, Language language) {
  return tr(side == MillSide::Top ? texts::millTop : texts::millBottom, language);
}

std::string counted(std::string text, std::size_t count) {
  return text + " (" + std::to_string(count) + ")";
}

}  // namespace

std::vector<MillingJob> millingJobs(const Board& board, const MillingOptions& o, LengthUnit unit,
                                    Language language) {
  std::vector<MillingJob> jobs;
  std::size_t references = 0;
  for (const bool on : o.referenceHoles) references += on ? 1 : 0;
  if (references > 0) {
    jobs.push_back(
        {kPenReferenceHoles, counted(tr(texts::millReferenceHoles, language), references), "-"});
  }
  if (o.millC1 && !isolationObjects(board, kLayerC1, o).empty()) {
    jobs.push_back(
        {kPenIsolationC1, tr(texts::millIsolation, language), sideText(MillSide::Top, language)});
  }
  if (o.millC2 && !isolationObjects(board, kLayerC2, o).empty()) {
    jobs.push_back({kPenIsolationC2, tr(texts::millIsolation, language),
                    sideText(MillSide::Bottom, language)});
  }
  if (o.drill != MillSide::None && o.holes != HoleMethod::DrillPerDiameter) {
    const std::vector<const TObjekt*> holes = allMillingHoles(board, o.selectedOnly);
    if (!holes.empty()) {
      const auto& text =
          o.holes == HoleMethod::Circles ? texts::millCircleDrillings : texts::millDrillings;
      jobs.push_back(
          {kPenDrillings, counted(tr(text, language), holes.size()), sideText(o.drill, language)});
    }
  }
  if (o.outline != MillSide::None && !outlineObjects(board, o.selectedOnly).empty()) {
    jobs.push_back({kPenOutline, tr(texts::millOutline, language), sideText(o.outline, language)});
  }
  if (o.drill != MillSide::None && o.holes == HoleMethod::DrillPerDiameter) {
    const std::vector<DrillTool> tools = millingDrills(board, o.selectedOnly);
    for (std::size_t i = 0; i < tools.size(); ++i) {
      const std::string text = std::string(tr(texts::millDrillings, language)) + " " +
                               formatLength(tools[i].diameter, unit);
      jobs.push_back({kPenFirstDrill + static_cast<int>(i), counted(text, tools[i].holes.size()),
                      sideText(o.drill, language)});
    }
  }
  return jobs;
}

std::string jobRowText(const MillingJob& job) {
  const std::string pen = job.pen == kPenReferenceHoles ? "# 1 " : "# " + std::to_string(job.pen);
  return pen + ";" + job.job + ";" + job.side;
}

std::string cutterWidthText(std::int32_t width, LengthUnit unit) {
  const double mm = unitsToMm(width);
  return unit == LengthUnit::Mm ? formatFixed(mm, 2) : formatFixed(mmToFieldMil(mm), 1);
}

std::string jobListText(const std::vector<MillingJob>& jobs, const MillingOptions& o,
                        LengthUnit unit, Language language) {
  std::string text;
  const std::string unitName = unit == LengthUnit::Mm ? " mm)" : " mil)";
  for (const MillingJob& job : jobs) {
    // "Pen <n>" is part of the file layout and the same in every language.
    text += "Pen " + std::to_string(job.pen) + "\t" + job.side + "\t" + job.job;
    const bool isolation = job.pen == kPenIsolationC1 || job.pen == kPenIsolationC2;
    const bool circles = job.pen == kPenDrillings && o.holes == HoleMethod::Circles;
    if (isolation || circles) {
      text += std::string(" ") + tr(texts::millWidthNote, language) +
              cutterWidthText(isolation ? o.width : o.circleWidth, unit) + unitName;
    }
    text += "\r\n";
  }
  return text;
}

}  // namespace pravelo

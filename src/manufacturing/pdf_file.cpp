#include "manufacturing/pdf_file.h"

#include <charconv>
#include <cstdio>
#include <vector>

namespace pravelo {
namespace {

constexpr double kPdfPointsPerMm = 72 / 25.4;

void putPdfNumber(std::string& out, double v) {
  char buffer[32];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed, 4);
  std::string_view text(buffer, end.ptr - buffer);
  while (text.back() == '0') text.remove_suffix(1);
  if (text.back() == '.') text.remove_suffix(1);
  out += text == "-0" ? "0" : text;
  out += ' ';
}

void putPdfColour(std::string& out, Rgb c, const char* op) {
  for (std::uint8_t v : {c.r, c.g, c.b}) putPdfNumber(out, v / 255.0);
  out += op;
  out += '\n';
}

void putPdfPath(std::string& out, const std::vector<DPoint>& points, bool close) {
  for (std::size_t i = 0; i < points.size(); ++i) {
    putPdfNumber(out, points[i].x);
    putPdfNumber(out, points[i].y);
    out += i == 0 ? "m\n" : "l\n";
  }
  if (points.size() == 1) {  // a dot: a line of no length, shown by its round caps
    putPdfNumber(out, points[0].x);
    putPdfNumber(out, points[0].y);
    out += "l\n";
  }
  if (close) out += "h\n";
}

// Text in a PDF string: the characters that need it escaped.
std::string pdfString(const std::string& text) {
  std::string out = "(";
  for (char c : text) {
    if (c == '(' || c == ')' || c == '\\') out += '\\';
    out += c;
  }
  return out + ")";
}

std::string pdfContent(const PrintPage& page) {
  std::string out;
  // Millimetres with y downwards, as the page items are.
  putPdfNumber(out, kPdfPointsPerMm);
  out += "0 0 ";
  putPdfNumber(out, -kPdfPointsPerMm);
  out += "0 ";
  putPdfNumber(out, page.heightMm * kPdfPointsPerMm);
  out += "cm\n";
  for (const PrintItem& item : page.items) {
    const VectorShape& s = item.shape;
    switch (item.kind) {
      case PrintItem::Kind::ClipBegin:
        out += "q\n";
        putPdfPath(out, s.points, true);
        out += "W n\n";
        break;
      case PrintItem::Kind::ClipEnd:
        out += "Q\n";
        break;
      case PrintItem::Kind::Text:
        putPdfColour(out, s.colour, "rg");
        out += "q 1 0 0 -1 ";
        putPdfNumber(out, item.at.x);
        putPdfNumber(out, item.at.y);
        out += "cm BT /F1 ";
        putPdfNumber(out, item.height);
        out += "Tf 0 0 Td " + pdfString(item.text) + " Tj ET Q\n";
        break;
      case PrintItem::Kind::Shape:
        if (s.points.empty()) break;
        if (s.width == 0 && !s.closed && s.points.size() >= 3) {
          putPdfColour(out, s.colour, "rg");
          putPdfPath(out, s.points, true);
          out += "f\n";
        } else {
          putPdfColour(out, s.colour, "RG");
          putPdfNumber(out, s.width);
          out += s.roundCaps ? "w 1 J 1 j\n" : "w 0 J 1 j\n";
          putPdfPath(out, s.points, s.closed);
          out += "S\n";
        }
        break;
    }
  }
  return out;
}

}  // namespace

std::string pdfFileBytes(const PrintPage& page) {
  const std::string content = pdfContent(page);
  char box[96];
  std::snprintf(box, sizeof box, "[0 0 %d %d]",
                static_cast<int>(page.widthMm * kPdfPointsPerMm + 0.5),
                static_cast<int>(page.heightMm * kPdfPointsPerMm + 0.5));
  const std::vector<std::string> objects = {
      "<< /Type /Catalog /Pages 2 0 R >>",
      "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
      std::string("<< /Type /Page /Parent 2 0 R /MediaBox ") + box +
          " /Resources << /Font << /F1 5 0 R >> >> /Contents 4 0 R >>",
      "<< /Length " + std::to_string(content.size()) + " >>\nstream\n" + content + "endstream",
      "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>",
  };
  std::string out = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
  std::vector<std::size_t> offsets;
  for (std::size_t i = 0; i < objects.size(); ++i) {
    offsets.push_back(out.size());
    out += std::to_string(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
  }
  const std::size_t xref = out.size();
  out += "xref\n0 " + std::to_string(objects.size() + 1) + "\n0000000000 65535 f \n";
  for (std::size_t offset : offsets) {
    char entry[24];
    std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", offset);
    out += entry;
  }
  out += "trailer\n<< /Size " + std::to_string(objects.size() + 1) +
         " /Root 1 0 R >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
  return out;
}

}  // namespace pravelo

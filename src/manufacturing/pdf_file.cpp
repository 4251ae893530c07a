#include "manufacturing/pdf_file.h"

#include <zlib.h>

#include <cstdio>
#include <vector>

#include "geometry/length_text.h"

namespace pravelo {
namespace {

constexpr double kPdfPointsPerMm = 72 / 25.4;

void putPdfNumber(std::string& out, double v) {
  out += formatFixedTrimmed(v, 4);
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

// A picture the page shows, once for every place it is printed at; a monochrome one once per
// tint.
struct PdfPicture {
  const ScanPicture* picture;
  Rgb tint;
};

// Names a picture's XObject "/Im<n>", adding it to `pictures` the first time.
std::size_t pdfPictureNumber(std::vector<PdfPicture>& pictures, const ScanPicture* picture,
                             Rgb tint) {
  for (std::size_t i = 0; i < pictures.size(); ++i) {
    if (pictures[i].picture == picture && (!picture->monochrome || pictures[i].tint == tint)) {
      return i + 1;
    }
  }
  pictures.push_back({picture, tint});
  return pictures.size();
}

// The unit square of the image, its first row at the top, onto the item's three corners.
void putPdfPicture(std::string& out, const PrintItem& item, std::size_t number) {
  const DPoint& topLeft = item.shape.points[0];
  const DPoint& topRight = item.shape.points[1];
  const DPoint& bottomLeft = item.shape.points[2];
  out += "q\n";
  for (double v : {topRight.x - topLeft.x, topRight.y - topLeft.y, topLeft.x - bottomLeft.x,
                   topLeft.y - bottomLeft.y, bottomLeft.x, bottomLeft.y}) {
    putPdfNumber(out, v);
  }
  out += "cm /Im" + std::to_string(number) + " Do\nQ\n";
}

// An image XObject of 8-bit RGB samples, compressed with Flate. A monochrome picture's black
// pixels take the tint, the others become white.
std::string pdfImageObject(const PdfPicture& p) {
  const ScanPicture& picture = *p.picture;
  std::vector<std::uint8_t> samples = picture.rgb;
  if (picture.monochrome) {
    for (std::size_t i = 0; i + 2 < samples.size(); i += 3) {
      const bool black = (samples[i] | samples[i + 1] | samples[i + 2]) == 0;
      samples[i] = black ? p.tint.r : 255;
      samples[i + 1] = black ? p.tint.g : 255;
      samples[i + 2] = black ? p.tint.b : 255;
    }
  }
  uLongf size = compressBound(static_cast<uLong>(samples.size()));
  std::string packed(size, '\0');
  if (compress2(reinterpret_cast<Bytef*>(packed.data()), &size, samples.data(),
                static_cast<uLong>(samples.size()), Z_DEFAULT_COMPRESSION) != Z_OK) {
    size = 0;  // only when memory runs out; an empty stream shows no picture
  }
  packed.resize(size);
  return "<< /Type /XObject /Subtype /Image /Width " + std::to_string(picture.width) + " /Height " +
         std::to_string(picture.height) +
         " /ColorSpace /DeviceRGB /BitsPerComponent 8 /Filter /FlateDecode /Length " +
         std::to_string(packed.size()) + " >>\nstream\n" + packed + "\nendstream";
}

std::string pdfContent(const PrintPage& page, std::vector<PdfPicture>& pictures) {
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
      case PrintItem::Kind::Picture:
        if (!item.picture || s.points.size() != 3) break;
        putPdfPicture(out, item, pdfPictureNumber(pictures, item.picture.get(), s.colour));
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
  std::vector<PdfPicture> pictures;
  const std::string content = pdfContent(page, pictures);
  std::string xobjects;
  for (std::size_t i = 0; i < pictures.size(); ++i) {
    xobjects += " /Im" + std::to_string(i + 1) + " " + std::to_string(6 + i) + " 0 R";
  }
  char box[96];
  std::snprintf(box, sizeof box, "[0 0 %d %d]",
                static_cast<int>(page.widthMm * kPdfPointsPerMm + 0.5),
                static_cast<int>(page.heightMm * kPdfPointsPerMm + 0.5));
  std::vector<std::string> objects = {
      "<< /Type /Catalog /Pages 2 0 R >>",
      "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
      std::string("<< /Type /Page /Parent 2 0 R /MediaBox ") + box +
          " /Resources << /Font << /F1 5 0 R >>" +
          (xobjects.empty() ? "" : " /XObject <<" + xobjects + " >>") + " >> /Contents 4 0 R >>",
      "<< /Length " + std::to_string(content.size()) + " >>\nstream\n" + content + "endstream",
      "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>",
  };
  for (const PdfPicture& picture : pictures) objects.push_back(pdfImageObject(picture));
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

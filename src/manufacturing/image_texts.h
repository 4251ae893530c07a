#pragma once

#include "base/text.h"

// User texts of the image export.
// clang-format off
#define PRAVELO_IMAGE_TEXTS(X) \
  X(imageCaptionBitmap, "Bitmap-Export (alle sichtbaren Layer)", "Bitmap export (all visible layers)", "Export bitmap (toutes les couches visibles)") \
  X(imageCaptionGif, "GIF-Export (alle sichtbaren Layer)", "GIF-Export (all visible layer)", "Export GIF (toutes les couches visibles)") \
  X(imageCaptionJpeg, "JPG-Export (alle sichtbaren Layer)", "JPG-Export (all visible layer)", "Export JPG (toutes les couches visibles)") \
  X(imageResolutionGroup, "Auflösung", "Resolution", "Résolution") \
  X(imageSizeLabel, "Größe:", "Size:", "Taille :") \
  X(imagePixelsLabel, "Pixel:", "Pixels:", "Pixels :") \
  X(imageResolutionLabel, "Auflösung:", "Resolution:", "Résolution :") \
  X(imageMemoryLabel, "Speicherbedarf:", "Memory consumption:", "Mémoire nécessaire :") \
  X(imageLow, "Niedrig", "Low", "Basse") \
  X(imageHigh, "Hoch", "High", "Haute") \
  X(imageFormatGroup, "Format", "Format", "Format") \
  X(imageColoured, "&Farbig", "&Colored", "&Couleur") \
  X(imageBlackWhite, "&S/W", "&B/W", "&N/B") \
  X(imageLargeBitmap, "Sie sind dabei, eine große Bitmap zu erzeugen.\nSichern Sie besser vorher Ihre Arbeit.\n\nFortfahren ?", "You are about to create a large bitmap.\nBetter make sure that your work is saved.\n\nContinue ?", "Vous êtes sur le point de créer une grande image bitmap.\nSauvegardez d'abord votre travail.\n\nContinuer ?") \
  X(imageTooWideForFormat, "Ein Bild von %1 x %2 Pixeln ist für das Format %3 zu groß (höchstens %4 Pixel je Seite).\nWählen Sie eine kleinere Auflösung.", "A picture of %1 x %2 pixels is too large for the %3 format (at most %4 pixels a side).\nChoose a lower resolution.", "Une image de %1 x %2 pixels est trop grande pour le format %3 (au plus %4 pixels par côté).\nChoisissez une résolution plus basse.") \
  X(imageTooLargeForFile, "Ein Bild von %1 x %2 Pixeln ergäbe eine BMP-Datei über 4 GB, die das Format nicht fassen kann.\nWählen Sie eine kleinere Auflösung.", "A picture of %1 x %2 pixels would make a BMP file above 4 GB, which the format cannot hold.\nChoose a lower resolution.", "Une image de %1 x %2 pixels donnerait un fichier BMP de plus de 4 Go, que le format ne peut contenir.\nChoisissez une résolution plus basse.") \
  X(imageOutOfMemory, "Für ein Bild von %1 x %2 Pixeln reicht der Arbeitsspeicher nicht.\nWählen Sie eine kleinere Auflösung oder Schwarz-Weiß.", "There is not enough memory for a picture of %1 x %2 pixels.\nChoose a lower resolution or black and white.", "La mémoire ne suffit pas pour une image de %1 x %2 pixels.\nChoisissez une résolution plus basse ou le noir et blanc.") \
  X(imageEncodingFailed, "Das Bild konnte nicht kodiert werden: %1", "The picture could not be encoded: %1", "L'image n'a pas pu être encodée : %1") \
  X(imageFileFilterBitmap, "Bitmap (*.bmp)|*.bmp", "Bitmap (*.bmp)|*.bmp", "Bitmap (*.bmp)|*.bmp") \
  X(imageFileFilterGif, "GIF-Bild (*.gif)|*.gif", "GIF picture (*.gif)|*.gif", "Image GIF (*.gif)|*.gif") \
  X(imageFileFilterJpeg, "JPG-Bild (*.jpg *.jpeg)|*.jpg;*.jpeg", "JPG picture (*.jpg *.jpeg)|*.jpg;*.jpeg", "Image JPG (*.jpg *.jpeg)|*.jpg;*.jpeg") \
  X(imageFileFilterEmf, "Erweiterte Metadatei (*.emf)|*.emf", "Enhanced metafile (*.emf)|*.emf", "Métafichier amélioré (*.emf)|*.emf") \
  X(imageFileFilterSvg, "SVG-Vektorgrafik (*.svg)|*.svg", "SVG vector picture (*.svg)|*.svg", "Image vectorielle SVG (*.svg)|*.svg")
// clang-format on

namespace pravelo::texts {
PRAVELO_IMAGE_TEXTS(PRAVELO_DECLARE_TEXT)
}  // namespace pravelo::texts

#pragma once

#include "base/text.h"

// User texts of the component list panel and the component data export dialog.
// clang-format off
#define PRAVELO_COMPONENT_LIST_TEXTS(X) \
  X(componentListTitle, "Bauteile", "Components", "Composants") \
  X(componentListNumber, "Nr.", "No.", "N°") \
  X(componentListName, "Bezeichner", "ID", "Identifiant") \
  X(componentListValue, "Wert", "Value", "Valeur") \
  X(componentListLayer, "Layer", "Layer", "Couche") \
  X(componentListRotation, "Rot.", "Rot.", "Rot.") \
  X(componentListPackage, "Gehäuse", "Package", "Boîtier") \
  X(componentListComment, "Kommentar", "Comment", "Commentaire") \
  X(componentListShow, "Zeigen:", "Show:", "Afficher :") \
  X(componentListShowNumber, "Nummer", "Number", "Numéro") \
  X(componentListShowLayer, "Layer", "Layer", "Couche") \
  X(componentListShowRotation, "Drehung", "Rotation", "Rotation") \
  X(componentListShowPackage, "Gehäuse", "Package", "Boîtier") \
  X(componentListShowComment, "Kommentar", "Comment", "Commentaire") \
  X(componentListFit, "Breite anpassen", "Fit width", "Ajuster la largeur") \
  X(componentListExport, "Export...", "Export...", "Exporter...") \
  X(componentExportCaption, "Bauteildaten-Export", "Component-Data Export", "Export des données des composants") \
  X(componentExportColumns, "Spalten:", "Columns:", "Colonnes :") \
  X(componentExportNumber, "Nummer", "Number", "Numéro") \
  X(componentExportId, "Bezeichner", "ID", "Identifiant") \
  X(componentExportValue, "Wert", "Value", "Valeur") \
  X(componentExportLayer, "Layer", "Layer", "Couche") \
  X(componentExportPosition, "Position", "Position", "Position") \
  X(componentExportRotation, "Drehung", "Rotation", "Rotation") \
  X(componentExportPackage, "Gehäuse", "Package", "Boîtier") \
  X(componentExportComment, "Kommentar", "Comment", "Commentaire") \
  X(componentExportOrder, "Reihenfolge per Drag&&Drop", "Sort sequence per drag&&drop", "Ordre par glisser-déposer") \
  X(componentExportSeparator, "Trennzeichen:", "Separator:", "Séparateur :") \
  X(componentExportComma, "Komma", "Comma", "Virgule") \
  X(componentExportSemicolon, "Semikolon", "Semicolon", "Point-virgule") \
  X(componentExportTab, "Tabulator", "Tab", "Tabulation") \
  X(componentExportUnit, "Einheit:", "Unit:", "Unité :") \
  X(componentExportDecimals, "Nachkommastellen:", "Decimals:", "Décimales :") \
  X(componentExportStripZeros, "Nullen am Ende unterdrücken", "Suppress trailing zeros", "Supprimer les zéros de fin") \
  X(componentExportTop, "Oben:", "Top:", "Dessus :") \
  X(componentExportBottom, "Unten:", "Bottom:", "Dessous :") \
  X(componentExportRPrefix, "Drehung mit \"R\" davor", "Rotation with \"R\" prefix", "Rotation précédée de \"R\"") \
  X(componentExportSmd, "SMD-Bauteile", "SMD-Components", "Composants CMS") \
  X(componentExportThroughHole, "Bedrahtete Bauteile", "Throughhole-Components", "Composants traversants") \
  X(componentExportFilterTop, "Oben", "Top", "Dessus") \
  X(componentExportFilterBottom, "Unten", "Bottom", "Dessous") \
  X(componentExportPickPlaceOnly, "Nur Bauteile mit Bestückungsdaten", "Only components with Pick+Place data", "Seulement les composants avec données de placement") \
  X(componentExportPreview, "Vorschau:", "Preview:", "Aperçu :") \
  X(componentExportButton, "Export...", "Export...", "Exporter...") \
  X(componentExportClose, "Schließen", "Close", "Fermer") \
  X(componentFileFilter, "Textdateien (*.txt)|*.txt|Alle Dateien (*.*)|*.*", "Textfiles (*.txt)|*.txt|All files (*.*)|*.*", "Fichiers texte (*.txt)|*.txt|Tous les fichiers (*.*)|*.*")
// clang-format on

namespace pravelo::texts {
PRAVELO_COMPONENT_LIST_TEXTS(PRAVELO_DECLARE_TEXT)
}  // namespace pravelo::texts

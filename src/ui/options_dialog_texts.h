#pragma once

#include "base/text.h"

// User texts of the general settings dialog.
// clang-format off
#define PRAVELO_OPTIONS_DIALOG_TEXTS(X) \
  X(optionsCaption, "Grundeinstellungen", "General settings", "Réglages généraux") \
  X(optionsPageGeneral, "Grundeinstellungen", "General settings", "Réglages généraux") \
  X(optionsPageColours, "Farben", "Colors", "Couleurs") \
  X(optionsPageFolders, "Arbeitsverzeichnisse", "Working-Directories", "Dossiers de travail") \
  X(optionsPageMacroFolder, "Makro-Verzeichnis", "Macro-Directory", "Dossier des macros") \
  X(optionsPageUndo, "Undo-Tiefe", "Undo-Depth", "Profondeur d'annulation") \
  X(optionsPageImax, "Imax", "Imax", "Imax") \
  X(optionsPageHotkeys, "Hotkeys", "Hotkeys", "Raccourcis") \
  X(optionsPageCrosshair, "Fadenkreuz", "Crosshair", "Réticule") \
  X(optionsPageAutoSave, "Autospeichern", "AutoSave", "Sauvegarde automatique") \
  X(optionsBaseUnit, "Grundeinheit:", "Base unit:", "Unité de base :") \
  X(optionsDrillings, "Bohrungen:", "Drillings:", "Perçages :") \
  X(optionsDrillBackground, "Hintergrundfarbe", "Background color", "Couleur du fond") \
  X(optionsDrillWhite, "Weiß", "White", "Blanc") \
  X(optionsDrillBlack, "Schwarz", "Black", "Noir") \
  X(optionsBoardZoom, "Platinen-Zoom anzeigen", "Show Board-Zoom", "Afficher le zoom de la carte") \
  X(optionsLimitTextHeight, "Schrifthöhe begrenzen (Leiterbahnbreite min. 0,15 mm)", "Limit text height (track width min. 0.15 mm)", "Limiter la hauteur du texte (largeur de piste min. 0,15 mm)") \
  X(optionsCtrlToCapture, "STRG-Taste zum Fangen von Werten beim Markieren nötig", "CTRL-Key necessary to capture values during selections", "Touche CTRL nécessaire pour capturer les valeurs lors des sélections") \
  X(optionsDarkGroundPlane, "Massefläche abdunkeln", "Darken ground-plane", "Assombrir le plan de masse") \
  X(optionsAllGroundPlanes, "Masseflächen aller Layer gleichzeitig zeigen", "Show ground-plane of all layers simultaneous", "Afficher les plans de masse de toutes les couches à la fois") \
  X(optionsCamOrigin, "Nullpunkt beim CAM-Export verwenden (Gerber/Excellon/HPGL)", "Use origin in CAM-export (Gerber/Excellon/HPGL)", "Utiliser l'origine pour l'export CAM (Gerber/Excellon/HPGL)") \
  X(optionsBlinkTest, "Blinkender TEST-Modus", "Blinking TEST mode", "Mode TEST clignotant") \
  X(optionsTestConnections, "Luftlinien (Gummibänder) im TEST-Modus berücksichtigen", "Consider connections (rubberbands) in TEST mode", "Tenir compte des connexions (élastiques) en mode TEST") \
  X(optionsLabelsReadable, "Bezeichner und Wert nach dem Drehen immer lesbar", "Component ID and value always readable after rotating", "Identifiant et valeur toujours lisibles après rotation") \
  X(optionsOptimiseTracks, "Knoten einer Leiterbahn automatisch optimieren", "Optimize nodes of a track automatically", "Optimiser automatiquement les nœuds d'une piste") \
  X(optionsOriginTop, "Nullpunkt oben/links (statt unten/links)", "Origin top/left (instead of bottom/left)", "Origine en haut à gauche (au lieu d'en bas à gauche)") \
  X(optionsScheme, "Farbschema:", "Color scheme:", "Jeu de couleurs :") \
  X(optionsSchemeStandard, "Standard", "Standard", "Standard") \
  X(optionsSchemeUser1, "Benutzer 1", "User 1", "Utilisateur 1") \
  X(optionsSchemeUser2, "Benutzer 2", "User 2", "Utilisateur 2") \
  X(optionsSchemeUser3, "Benutzer 3", "User 3", "Utilisateur 3") \
  X(optionsColourBackground, "Hintergrund", "Background", "Fond") \
  X(optionsColourGridLines, "Raster-Linien", "Grid-lines", "Lignes de grille") \
  X(optionsColourGridDots, "Raster-Punkte", "Grid-dots", "Points de grille") \
  X(optionsColourC1, "K1 (Kupfer-Oben)", "C1 (Copper-Top)", "C1 (Cuivre dessus)") \
  X(optionsColourS1, "B1 (Bestückung-Oben)", "S1 (Silkscreen-Top)", "S1 (Sérigraphie dessus)") \
  X(optionsColourC2, "K2 (Kupfer-Unten)", "C2 (Copper-Bottom)", "C2 (Cuivre dessous)") \
  X(optionsColourS2, "B2 (Bestückung-Unten)", "S2 (Silkscreen-Bottom)", "S2 (Sérigraphie dessous)") \
  X(optionsColourI1, "I1 (Kupfer-Innen 1)", "I1 (Copper-Inner 1)", "I1 (Cuivre interne 1)") \
  X(optionsColourI2, "I2 (Kupfer-Innen 2)", "I2 (Copper-Inner 2)", "I2 (Cuivre interne 2)") \
  X(optionsColourOutline, "U  (Umriss)", "O  (Outline)", "O  (Contour)") \
  X(optionsColourConnections, "Luftlinien", "Connections", "Connexions") \
  X(optionsColourVia, "Durchkontaktierung", "Via", "Via") \
  X(optionsResetScheme, "Schema auf Standard zurücksetzen", "Reset scheme to default", "Remettre le jeu aux couleurs standard") \
  X(optionsLayoutFolder, "Layout-Dateien:", "Layout files:", "Fichiers de circuit :") \
  X(optionsGerberFolder, "Gerber-Export:", "Gerber export:", "Export Gerber :") \
  X(optionsBitmapFolder, "Bitmap-Export:", "Bitmap export:", "Export bitmap :") \
  X(optionsTemplateFolder, "Scan-Vorlagen:", "Scanned copies:", "Modèles scannés :") \
  X(optionsHpglFolder, "HPGL-Export:", "HPGL export:", "Export HPGL :") \
  X(optionsEqualFolder, "Gleichen Ordner für alle Dateitypen verwenden", "Use the same folder for all file types", "Utiliser le même dossier pour tous les types de fichiers") \
  X(optionsFoldersNote, "Leer: der zuletzt benutzte Ordner", "Empty: the folder used last", "Vide : le dossier utilisé en dernier") \
  X(optionsMacroRoot, "Stammverzeichnis der Makros:", "Root-Directory for macros:", "Dossier racine des macros :") \
  X(optionsChange, "Ändern...", "Change...", "Modifier...") \
  X(optionsReset, "Zurücksetzen", "Reset", "Réinitialiser") \
  X(optionsExplorer, "Explorer", "Explorer", "Explorateur") \
  X(optionsUndoSteps, "Rückgängig-Schritte:", "Undo steps:", "Étapes d'annulation :") \
  X(optionsCopperThickness, "Kupferdicke in µm:", "Copper-Thickness in µm:", "Épaisseur du cuivre en µm :") \
  X(optionsTemperatureRise, "Temperaturerhöhung in °C:", "Temperature enhance in °C:", "Élévation de température en °C :") \
  X(optionsChangeHotkey, "Hotkey ändern", "Change hotkey", "Modifier le raccourci") \
  X(optionsNoHotkey, "(keiner)", "(none)", "(aucun)") \
  X(optionsDiagonals, "45°-Linien zeigen", "Show 45° lines", "Afficher les lignes à 45°") \
  X(optionsCoordinates, "Koordinaten am Fadenkreuz zeigen", "Show coordinates on crosshair", "Afficher les coordonnées au réticule") \
  X(optionsBigText, "Großer Text", "Big Text", "Grand texte") \
  X(optionsTransparent, "Transparent", "Transparent", "Transparent") \
  X(optionsBlackBackground, "Schwarzer Hintergrund", "Black Background", "Fond noir") \
  X(optionsWhiteBackground, "Weißer Hintergrund", "White Background", "Fond blanc") \
  X(optionsAutoSave, "Autospeichern aktivieren", "Activate AutoSave", "Activer la sauvegarde automatique") \
  X(optionsInterval, "Intervall:", "Interval:", "Intervalle :") \
  X(optionsMinutes, " min", " min", " min")
// clang-format on

namespace pravelo::texts {
PRAVELO_OPTIONS_DIALOG_TEXTS(PRAVELO_DECLARE_TEXT)
}  // namespace pravelo::texts

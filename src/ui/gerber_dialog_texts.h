#pragma once

#include "base/text.h"

// User texts of the Gerber export dialog and its file-extension dialog.
// clang-format off
#define PRAVELO_GERBER_DIALOG_TEXTS(X) \
  X(gerberCaption, "Gerber-Export (RS-274X)", "Gerber export (RS-274X)", "Export Gerber (RS-274X)") \
  X(gerberLayers, "Lagen", "Layers", "Couches") \
  X(gerberOutC1, "K1 Kupfer oben", "C1 copper top", "C1 cuivre dessus") \
  X(gerberOutC2, "K2 Kupfer unten", "C2 copper bottom", "C2 cuivre dessous") \
  X(gerberOutS1, "B1 Bestückungsdruck oben", "S1 silkscreen top", "S1 sérigraphie dessus") \
  X(gerberOutS2, "B2 Bestückungsdruck unten", "S2 silkscreen bottom", "S2 sérigraphie dessous") \
  X(gerberOutI1, "I1 Kupfer innen 1", "I1 copper inner 1", "I1 cuivre interne 1") \
  X(gerberOutI2, "I2 Kupfer innen 2", "I2 copper inner 2", "I2 cuivre interne 2") \
  X(gerberOutO, "U Umriss", "O outline", "O contour") \
  X(gerberOutLS1, "K1 Lötstoppmaske", "C1 solder mask", "C1 masque d'épargne") \
  X(gerberOutLS2, "K2 Lötstoppmaske", "C2 solder mask", "C2 masque d'épargne") \
  X(gerberOutSMD1, "K1 SMD-Maske", "C1 SMD mask", "C1 masque CMS") \
  X(gerberOutSMD2, "K2 SMD-Maske", "C2 SMD mask", "C2 masque CMS") \
  X(gerberPrefix, "Präfix:", "Prefix:", "Préfixe :") \
  X(gerberFolder, "Ausgabeordner:", "Output folder:", "Dossier de sortie :") \
  X(gerberChange, "Ändern...", "Change...", "Modifier...") \
  X(gerberExtensions, "Dateiendungen...", "File extensions...", "Extensions de fichiers...") \
  X(gerberMirror, "Spiegeln", "Mirror", "Miroir") \
  X(gerberFrame, "Rahmen (Platinengröße)", "Include frame (board size)", "Inclure le cadre (taille de la carte)") \
  X(gerberPunch, "Bohrlöcher freistanzen", "Punch drill holes", "Dégager les perçages") \
  X(gerberCentrePunch, "Ankörnen (0,15 mm)", "Center punch (0,15 mm)", "Pointage (0,15 mm)") \
  X(gerberX2, "Gerber-X2-Attribute", "Gerber X2 attributes", "Attributs Gerber X2") \
  X(gerberSolderMask, "Lötstoppmaske", "Solder mask", "Masque d'épargne") \
  X(gerberMaskPads, "Pads", "Pads", "Pastilles") \
  X(gerberMaskSmd, "SMD-Pads", "SMD-Pads", "Pastilles CMS") \
  X(gerberMaskOthers, "Sonstige", "Others", "Autres") \
  X(gerberInverted, "Invertierte Ausgabe", "Inverted output", "Sortie inversée") \
  X(gerberSmdMask, "SMD-Maske", "SMD mask", "Masque CMS") \
  X(gerberOffset, "Abstand:", "Offset:", "Écart :") \
  X(gerberCreate, "Gerber-Dateien erzeugen...", "Create Gerber files...", "Créer les fichiers Gerber...") \
  X(gerberClose, "Schließen", "Close", "Fermer") \
  X(gerberNamesCaption, "Dateiendungen", "File extensions", "Extensions de fichiers") \
  X(gerberNamesDefault, "Standard...", "Default...", "Défaut...")
// clang-format on

namespace pravelo::texts {
PRAVELO_GERBER_DIALOG_TEXTS(PRAVELO_DECLARE_TEXT)
}  // namespace pravelo::texts

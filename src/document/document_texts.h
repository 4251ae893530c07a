#pragma once

#include "base/text.h"

// User texts of the document and file commands.
// clang-format off
#define PRAVELO_DOCUMENT_TEXTS(X) \
  X(productName, "Pravelo-Board", "Pravelo-Board", "Pravelo-Board") \
  X(productCaption, "Pravelo-Board 6.0", "Pravelo-Board 6.0", "Pravelo-Board 6.0") \
  X(defaultBoardName, "Platine 1", "Board 1", "Carte 1") \
  X(copyOfPrefix, "Kopie von ", "Copy of ", "Copie de ") \
  X(boardAdded, "Es wurde eine neue Platine namens %1 hinzugefügt.", "A new Board named %1 was added.", "Une nouvelle carte nommée %1 a été ajoutée.") \
  X(cannotDeleteLastBoard, "Die letzte Platine kann nicht gelöscht werden.", "A project must at least contains one board.", "Un projet doit contenir au moins une carte.") \
  X(deleteBoard, "Möchten Sie die Platine %1 wirklich löschen?", "Delete board %1 ?", "Supprimer la carte %1 ?") \
  X(innerLayersDeleted, "Alle Elemente auf den Innenlagen I1 und I2 werden gelöscht.", "All elements on the inner layer I1 and I2 will be deleted.", "Tous les éléments des couches internes I1 et I2 seront supprimés.") \
  X(continueQuestion, "Fortfahren ?", "Continue ?", "Continuer ?") \
  X(saveChanges, "Möchten Sie das aktuelle Layout speichern ?", "Save changes?", "Enregistrer les modifications ?") \
  X(openTitle, "Öffnen", "Open", "Ouvrir") \
  X(fileNotFoundDialog, "Datei nicht gefunden", "File not found!", "Fichier non trouvé") \
  X(fileNotFoundRecent, "Datei nicht gefunden", "File not found", "Fichier non trouvé") \
  X(newerVersion, "%1 wurde mit einer neueren Version von Pravelo-Board erstellt (Version %2).", "%1 was created with a newer version of Pravelo-Board (Version %2).", "%1 a été créé avec une version plus récente de Pravelo-Board (version %2).") \
  X(newerVersionCannotOpen, "Ihre Version von Pravelo-Board kann diese Datei nicht öffnen.", "Your version of Pravelo-Board is not able to open this file.", "Votre version de Pravelo-Board ne peut pas ouvrir ce fichier.") \
  X(notALayoutFile, " ist keine Pravelo-Board-Datei.", " is not a Pravelo-Board file.", " n'est pas un fichier Pravelo-Board.") \
  X(notAnOrdinaryFile, " ist keine gewöhnliche Datei, sondern ein Ordner, ein Gerät oder eine Pipe.", " is not an ordinary file but a folder, a device or a pipe.", " n'est pas un fichier ordinaire mais un dossier, un périphérique ou un tube.") \
  X(olderLayout, "Dieses Layout wurde mit einer älteren Version erstellt.", "This layout was create with an older version.", "Ce layout a été créé avec une version antérieure.") \
  X(copperLayersExchanged, "Die Elemente auf den Kupferlayer K1 und K2 werden automatisch getauscht,", "The elements on the copper-layer C1 and C2 will be exchanged,", "Les éléments des couches cuivre C1 et C2 seront échangés,") \
  X(newLayerStructure, "da sich die Layer-Struktur geändert hat.", "because of the new layer-structure.", "en raison de la nouvelle structure des couches.") \
  X(newExtension, "Die Datei wird mit der neuen Dateiendung %1 gespeichert.", "The file will be saved with the new file extension %1.", "Le fichier sera enregistré avec la nouvelle extension %1.") \
  X(keepOriginalQuestion, "Möchten Sie die alte Originaldatei beibehalten?", "Do you want to keep the older original file?", "Voulez-vous conserver l'ancien fichier original ?") \
  X(couldNotDelete, "Die Datei %1 konnte nicht gelöscht werden.", "Could not delete file %1.", "Impossible de supprimer le fichier %1.") \
  X(couldNotSave, "Die Datei %1 konnte nicht gespeichert werden: %2.", "The file %1 could not be saved: %2.", "Le fichier %1 n'a pas pu être enregistré : %2.") \
  X(couldNotRead, "Die Datei %1 konnte nicht gelesen werden.", "The file %1 could not be read.", "Le fichier %1 n'a pas pu être lu.") \
  X(saveProblemWrite, "das Schreiben ist fehlgeschlagen", "writing failed", "l'écriture a échoué") \
  X(saveProblemPermission, "keine Berechtigung zum Schreiben", "no permission to write", "pas d'autorisation d'écrire") \
  X(saveProblemReadOnly, "der Datenträger ist schreibgeschützt", "the drive is read-only", "le support est protégé en écriture") \
  X(saveProblemDiskFull, "der Datenträger ist voll", "the disk is full", "le disque est plein") \
  X(saveProblemNoFolder, "der Ordner existiert nicht", "the folder does not exist", "le dossier n'existe pas") \
  X(saveProblemFolderName, "ein Ordner trägt diesen Namen", "a folder has this name", "un dossier porte ce nom") \
  X(saveProblemNameTooLong, "der Name ist zu lang", "the name is too long", "le nom est trop long") \
  X(saveProblemLinkLoop, "die symbolischen Verknüpfungen bilden eine Schleife", "the symbolic links form a loop", "les liens symboliques forment une boucle") \
  X(saveProblemBusy, "die Datei wird gerade verwendet", "the file is in use", "le fichier est en cours d'utilisation") \
  X(saveProblemDevice, "der Datenträger meldet einen Ein-/Ausgabefehler", "the drive reports an input/output error", "le support signale une erreur d'entrée/sortie") \
  X(layoutFileFilter, "Layout-Dateien (*.pvb*)|*.pvb*|Alle Dateien (*.*)|*.*", "Layout files (*.pvb*)|*.pvb*|All files (*.*)|*.*", "Fichiers Layout (*.pvb*)|*.pvb*|Tous les fichiers (*.*)|*.*") \
  X(autosaveHint, "Automatisches Speichern...", "Autosave...", "Sauvegarde automatique...") \
  X(fileDamaged, "Die Datei ist beschädigt: ", "The file is damaged: ", "Le fichier est endommagé : ") \
  X(atByte, " bei Byte ", " at byte ", " à l'octet ") \
  X(problemUnexpectedEnd, "sie endet zu früh", "it ends too early", "il se termine trop tôt") \
  X(problemNegativeCount, "die Anzahl ist negativ", "the count is negative", "le nombre est négatif") \
  X(problemCountTooLarge, "die Anzahl ist größer als der Rest der Datei", "the count exceeds the rest of the file", "le nombre dépasse le reste du fichier") \
  X(problemStringTooLong, "der Text ist zu lang", "the text is too long", "le texte est trop long") \
  X(problemNoBoards, "sie enthält keine Platine", "it holds no board", "il ne contient aucune carte") \
  X(problemIndexOutOfRange, "der Index liegt außerhalb der Objektliste", "the index lies outside the object list", "l'indice est hors de la liste des objets") \
  X(problemCountTooSmall, "die Anzahl ist zu klein", "the count is too small", "le nombre est trop petit") \
  X(problemUnsupportedVersion, "diese Formatversion wird hier nicht gelesen", "this format version is not read here", "cette version du format n'est pas lue ici") \
  X(fieldVersion, "Versionskennung", "version word", "identifiant de version") \
  X(fieldBoardCount, "Anzahl der Platinen", "board count", "nombre de cartes") \
  X(fieldBoardName, "Platinenname", "board name", "nom de la carte") \
  X(fieldBoardHeader, "Platinenkopf", "board header", "en-tête de la carte") \
  X(fieldTemplateName, "Name des Vorlagenbildes", "template image name", "nom de l'image modèle") \
  X(fieldObjectCount, "Anzahl der Objekte", "object count", "nombre d'objets") \
  X(fieldObject, "Objekt", "object", "objet") \
  X(fieldText, "Text", "text", "texte") \
  X(fieldName, "Name", "name", "nom") \
  X(fieldGroupCount, "Anzahl der Gruppen", "group count", "nombre de groupes") \
  X(fieldGroup, "Gruppennummer", "group number", "numéro de groupe") \
  X(fieldPointCount, "Anzahl der Punkte", "point count", "nombre de points") \
  X(fieldPoint, "Punkt", "point", "point") \
  X(fieldChildCount, "Anzahl der Textstriche", "text stroke count", "nombre de traits du texte") \
  X(fieldChild, "Textstrich", "text stroke", "trait du texte") \
  X(fieldComponentData, "Bauteildaten", "component data", "données du composant") \
  X(fieldConnectionCount, "Anzahl der Verbindungen", "connection count", "nombre de connexions") \
  X(fieldConnection, "Verbindung", "connection", "connexion") \
  X(fieldRouteEnd, "Leiterbahnende des Autorouters", "autorouted track end", "extrémité de piste autoroutée") \
  X(fieldBoardSize, "Platinengröße", "board size", "taille de la carte") \
  X(fieldPartner, "Partnerpad", "partner pad", "pastille partenaire") \
  X(fieldOrigin, "Nullpunkt", "origin", "origine") \
  X(fieldActiveBoard, "aktive Platine", "active board", "carte active") \
  X(fieldProjectInfo, "Projektinformation", "project information", "informations du projet") \
  X(fieldProjectComment, "Projektkommentar", "project comment", "commentaire du projet")
// clang-format on

namespace pravelo::texts {
PRAVELO_DOCUMENT_TEXTS(PRAVELO_DECLARE_TEXT)
}  // namespace pravelo::texts

#pragma once

#include "base/text.h"

// User texts of the document and file commands.
// clang-format off
#define PRAVELO_DOCUMENT_TEXTS(X) \
  X(productName, "Pravelo-Board", "Pravelo-Board", "Pravelo-Board") \
  X(productCaption, "Pravelo-Board 6.0", "Pravelo-Board 6.0", "Pravelo-Board 6.0") \
  X(defaultBoardName, "Platine 1", "Board 1", "Carte 1") \
  X(copyOfPrefix, "Kopie von ", "Copy of ", "Copie de ") \
  X(boardAddedBefore, "Es wurde eine neue Platine namens ", "A new Board named ", "Une nouvelle carte nommée ") \
  X(boardAddedAfter, " hinzugefügt.", " was added.", " a été ajoutée.") \
  X(cannotDeleteLastBoard, "Die letzte Platine kann nicht gelöscht werden.", "A project must at least contains one board.", "Un projet doit contenir au moins une carte.") \
  X(deleteBoardBefore, "Möchten Sie die Platine ", "Delete board ", "Supprimer la carte ") \
  X(deleteBoardAfter, " wirklich löschen?", " ?", " ?") \
  X(innerLayersDeleted, "Alle Elemente auf den Innenlagen I1 und I2 werden gelöscht.", "All elements on the inner layer I1 and I2 will be deleted.", "Tous les éléments des couches internes I1 et I2 seront supprimés.") \
  X(continueQuestion, "Fortfahren ?", "Continue ?", "Continuer ?") \
  X(saveChanges, "Möchten Sie das aktuelle Layout speichern ?", "Save changes?", "Enregistrer les modifications ?") \
  X(openTitle, "Öffnen", "Open", "Ouvrir") \
  X(fileNotFoundDialog, "Datei nicht gefunden", "File not found!", "Fichier non trouvé") \
  X(fileNotFoundRecent, "Datei nicht gefunden", "File not found", "Fichier non trouvé") \
  X(newerVersionBefore, " wurde mit einer neueren Version von Pravelo-Board erstellt (Version ", " was created with a newer version of Pravelo-Board (Version ", " a été créé avec une version plus récente de Pravelo-Board (version ") \
  X(newerVersionAfter, ").", ").", ").") \
  X(newerVersionCannotOpen, "Ihre Version von Pravelo-Board kann diese Datei nicht öffnen.", "Your version of Pravelo-Board is not able to open this file.", "Votre version de Pravelo-Board ne peut pas ouvrir ce fichier.") \
  X(notALayoutFile, " ist keine Pravelo-Board-Datei.", " is not a Pravelo-Board file.", " n'est pas un fichier Pravelo-Board.") \
  X(notAnOrdinaryFile, " ist keine gewöhnliche Datei, sondern ein Ordner, ein Gerät oder eine Pipe.", " is not an ordinary file but a folder, a device or a pipe.", " n'est pas un fichier ordinaire mais un dossier, un périphérique ou un tube.") \
  X(olderVersionBefore, " wurde im älteren Dateiformat Version ", " was saved in the older file format version ", " a été enregistré dans l'ancien format de fichier version ") \
  X(olderVersionAfter, " gespeichert, das diese Version noch nicht lesen kann.", ", which this version cannot read yet.", ", que cette version ne sait pas encore lire.") \
  X(newExtensionBefore, "Die Datei wird mit der neuen Dateiendung ", "The file will be saved with the new file extension ", "Le fichier sera enregistré avec la nouvelle extension ") \
  X(newExtensionAfter, " gespeichert.", ".", ".") \
  X(keepOriginalQuestion, "Möchten Sie die alte Originaldatei beibehalten?", "Do you want to keep the older original file?", "Voulez-vous conserver l'ancien fichier original ?") \
  X(couldNotDeleteBefore, "Die Datei ", "Could not delete file ", "Impossible de supprimer le fichier ") \
  X(couldNotDeleteAfter, " konnte nicht gelöscht werden.", ".", ".") \
  X(couldNotSaveBefore, "Die Datei ", "The file ", "Le fichier ") \
  X(couldNotSaveAfter, " konnte nicht gespeichert werden: ", " could not be saved: ", " n'a pas pu être enregistré : ") \
  X(couldNotReadBefore, "Die Datei ", "The file ", "Le fichier ") \
  X(couldNotReadAfter, " konnte nicht gelesen werden.", " could not be read.", " n'a pas pu être lu.") \
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
  X(fieldActiveBoard, "aktive Platine", "active board", "carte active") \
  X(fieldProjectInfo, "Projektinformation", "project information", "informations du projet") \
  X(fieldProjectComment, "Projektkommentar", "project comment", "commentaire du projet")
// clang-format on

namespace pravelo::texts {
PRAVELO_DOCUMENT_TEXTS(PRAVELO_DECLARE_TEXT)
}  // namespace pravelo::texts

#include "app/menu_table.h"

#include <array>

namespace pravelo {

namespace {

using C = ControlId;

constexpr MenuEntry kFile[] = {
    item(C::Neu1),
    item(C::ffnen1),
    item(C::Speichern1),
    item(C::Speichernals1),
    separator(),
    submenu(MenuId::Importieren1),
    submenu(MenuId::Exportieren1),
    separator(),
    item(C::Drucken1),
    item(C::Druckereinrichten1),
    separator(),
    item(C::Projektinfo1),
    separator(),
    item(C::Beenden1),
};

constexpr MenuEntry kImport[] = {item(C::GerberImportieren1), item(C::Import_TextIO)};

constexpr MenuEntry kExport[] = {
    item(C::GerberFormat1),
    item(C::BohrDatenExcellon1),
    item(C::UmrissHPGLplt1),
    separator(),
    item(C::Export_TextIO),
    separator(),
    item(C::N1),
    item(C::GIFExport1),
    item(C::JPGjpg1),
    item(C::EMFExport1),
    item(C::SVGExport1),
};

constexpr MenuEntry kEdit[] = {
    item(C::Undo),
    item(C::Redo),
    separator(),
    item(C::Ausschneiden1),
    item(C::Kopieren1),
    item(C::Einfgen1),
    item(C::Duplizieren1),
    item(C::Lschen1),
    separator(),
    item(C::Allesmarkieren1),
    separator(),
    item(C::Gruppieren1),
    item(C::Gruppierungaufheben1),
    separator(),
    item(C::Drehen1),
    item(C::HSpiegeln1),
    item(C::VSpiegeln1),
    item(C::AmRasterausrichten1),
    separator(),
    item(C::Kacheln1),
};

constexpr MenuEntry kView[] = {
    item(C::Vergroessern1),
    item(C::Verkleinern1),
    separator(),
    item(C::Zoomalles1),
    item(C::ZoomalleObjekte1),
    item(C::ZoomaufMarkierung1),
    item(C::Zoomvorher2),
    separator(),
    item(C::Makrofenster1),
    item(C::Eigenschaften1),
    item(C::DRCCheck1),
};

constexpr MenuEntry kBoard[] = {
    item(C::NeuePlatine1),
    item(C::Platinennachladen1),
    separator(),
    item(C::Platinengrsse1),
    item(C::Platinelschen1),
    item(C::Platinekopieren1),
    separator(),
    item(C::Platinenachlinks1),
    item(C::Platineeinsnachlinks1),
    item(C::Platineeinsnachrechts1),
    item(C::Platinenachrechts1),
};

constexpr MenuEntry kExtras[] = {
    item(C::BohrungenAuflisten1),
    item(C::Luftlinienentfernen1),
    separator(),
    item(C::LS_Reset),
    item(C::LscheElementeausserhalb1),
    separator(),
    item(C::BauteilAssistent1),
    item(C::Makrospeichern1),
    item(C::Vorlage1),
};

constexpr MenuEntry kOptions[] = {
    item(C::Grundeinstellungen1),
    item(C::Arbeitsverzeichnisse1),
    item(C::Autospeichern1),
    separator(),
    item(C::Sprache1),
};

constexpr MenuEntry kHelp[] = {item(C::Hilfethemen1)};

constexpr MenuEntry kToolBar[] = {
    item(C::TB_Neu),
    item(C::TB_Open),
    item(C::TB_Save),
    separator(),
    item(C::TB_Undo),
    item(C::TB_Redo),
    separator(),
    item(C::TB_Cut),
    item(C::TB_Copy),
    item(C::TB_Paste),
    item(C::TB_Duplizieren),
    item(C::TB_Delete),
    separator(),
    item(C::TB_Gruppieren),
    item(C::TB_GruppeAufloesen),
    separator(),
    item(C::SB_Rotate),
    item(C::SB_HSpiegeln),
    item(C::SB_VSpiegeln),
    item(C::SB_Ausrichten),
    separator(),
    item(C::TB_Print),
    separator(),
    item(C::TB_Transparent),
    item(C::TB_Selector),
    item(C::TB_Makro),
    item(C::TB_DRC),
    item(C::TB_Bauteile),
    item(C::TB_Vorlage),
    item(C::TB_ClearConnections),
    item(C::SB_AutoMasse),
};

constexpr MenuEntry kBoardTabs[] = {
    item(C::NeuePlatine2),
    item(C::Platineeinrichten1),
    item(C::Platinelschen2),
    item(C::Platinekopieren2),
    separator(),
    item(C::Platinenachlinks1),
    item(C::Platineeinsnachlinks1),
    item(C::Platineeinsnachrechts1),
    item(C::Platinenachrechts1),
};

constexpr MenuEntry kDrawingArea[] = {
    item(C::Ausschneiden2),
    item(C::Kopieren2),
    item(C::Einfgen2),
    item(C::Duplizieren2),
    item(C::Lschen2),
    separator(),
    item(C::Gruppieren2),
    item(C::Gruppierungaufheben2),
    item(C::Bauteil1),
    separator(),
    item(C::Drehen2),
    submenu(MenuId::Ausrichten1),
    item(C::Layerwechseln1),
    submenu(MenuId::SetzeAufLayer),
    separator(),
    item(C::Benennen1),
    item(C::MarkiereNamen1),
    separator(),
    item(C::Kacheln2),
    separator(),
    submenu(MenuId::Nullpunkt1),
    separator(),
    item(C::Eigenschaften1),
};

constexpr MenuEntry kOrigin[] = {item(C::Nullpunktsetzen1), item(C::RcksetzenObenLinks1),
                                 item(C::SetzenachUntenLinks1)};

constexpr MenuEntry kAlign[] = {
    item(C::AusrichtenOben1),   item(C::AusrichtenUnten1),  item(C::AusrichtenLinks1),
    item(C::AusrichtenRechts1), item(C::AusrichtenHMitte1), item(C::AusrichtenVMitte1),
};

constexpr MenuEntry kSetToLayer[] = {
    item(C::SetzeAufLayer1), item(C::SetzeAufLayer2), item(C::SetzeAufLayer3),
    item(C::SetzeAufLayer4), item(C::SetzeAufLayer5), item(C::SetzeAufLayer6),
    item(C::SetzeAufLayer7),
};

constexpr Text kNoCaption{"", "", ""};

constexpr std::array kMenus = {
    Menu{MenuId::Datei1, "Datei1", MenuPlace::MenuBar, {"&Datei", "&File", "&Fichier"}, kFile},
    Menu{MenuId::Importieren1,
         "Importieren1",
         MenuPlace::Submenu,
         {"&Importieren", "&Import", "&Importer"},
         kImport},
    Menu{MenuId::Exportieren1,
         "Exportieren1",
         MenuPlace::Submenu,
         {"&Exportieren", "&Export", "&Exporter"},
         kExport},
    Menu{MenuId::Bearbeiten1,
         "Bearbeiten1",
         MenuPlace::MenuBar,
         {"&Bearbeiten", "&Edit", "&Édition"},
         kEdit},
    Menu{MenuId::Ansicht1,
         "Ansicht1",
         MenuPlace::MenuBar,
         {"&Ansicht", "&View", "&Affichage"},
         kView},
    Menu{
        MenuId::Platine1, "Platine1", MenuPlace::MenuBar, {"&Platine", "&Board", "&Carte"}, kBoard},
    Menu{
        MenuId::Extras1, "Extras1", MenuPlace::MenuBar, {"E&xtras", "E&xtras", "Ou&tils"}, kExtras},
    Menu{MenuId::Optionen1,
         "Optionen1",
         MenuPlace::MenuBar,
         {"&Optionen", "&Options", "&Options"},
         kOptions},
    Menu{MenuId::Hilfe1, "Hilfe1", MenuPlace::MenuBar, {"&Hilfe", "&Help", "&Aide"}, kHelp},
    Menu{MenuId::ToolBar1,
         "ToolBar1",
         MenuPlace::ToolBar,
         {"Werkzeugleiste", "Tool bar", "Barre d'outils"},
         kToolBar},
    Menu{MenuId::PlatinenPopup, "PlatinenPopup", MenuPlace::PopUp, kNoCaption, kBoardTabs},
    Menu{MenuId::PaintBoxPopup, "PaintBoxPopup", MenuPlace::PopUp, kNoCaption, kDrawingArea},
    Menu{MenuId::Nullpunkt1,
         "Nullpunkt1",
         MenuPlace::Submenu,
         {"Nullpunkt", "User origin", "Origine utilisateur"},
         kOrigin},
    Menu{MenuId::Ausrichten1,
         "Ausrichten1",
         MenuPlace::Submenu,
         {"Ausrichten", "Align", "Aligner"},
         kAlign},
    Menu{MenuId::SetzeAufLayer,
         "SetzeAufLayer",
         MenuPlace::Submenu,
         {"Auf Layer setzen", "Set to layer", "Placer sur la couche"},
         kSetToLayer},
};

// Every id has its entry, at its place.
constexpr bool menusInOrder() {
  for (std::size_t i = 0; i < kMenus.size(); ++i) {
    if (static_cast<std::size_t>(kMenus[i].id) != i) return false;
  }
  return kMenus.size() == static_cast<std::size_t>(MenuId::SetzeAufLayer) + 1;
}
static_assert(menusInOrder());

}  // namespace

std::span<const Menu> menus() { return kMenus; }

const Menu& menuInfo(MenuId id) { return kMenus[static_cast<std::size_t>(id)]; }

}  // namespace pravelo

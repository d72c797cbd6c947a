#pragma once
// Helpers shared by the units' question tables: drawing whole screens and dialogs into the
// picture store, and the unit builders.
#include <functional>
#include <string>

#include "tools/bankgen/bank.h"
#include "tools/bankgen/dialogs.h"
#include "tools/bankgen/menus.h"
#include "tools/bankgen/scenes.h"

namespace xpexam::bankgen {

class Kit {
 public:
  explicit Kit(Bank& bank) : bank_(bank) {}
  Bank& bank() { return bank_; }
  Question& Ask(const std::string& text) { return bank_.Ask(text); }

  // A full 800 x 600 screen.
  std::string Screen(const std::function<void(cairo_t*)>& paint);
  // A picture of any size.
  std::string Pic(int w, int h, const std::function<void(cairo_t*)>& paint);
  // A dialog alone (as an overlay).
  std::string FormPic(const Form& f);
  std::string Desk(const Desktop& d);
  // The desktop with a dialog (or any extra painting) over it.
  std::string Desk(const Desktop& d, const Form& f, int x, int y);
  std::string Desk(const Desktop& d, const std::function<void(cairo_t*)>& extra);
  std::string Folder(const FolderWindow& w);
  std::string Folder(const FolderWindow& w, const Form& f, int x, int y);
  std::string Folder(const FolderWindow& w, const std::function<void(cairo_t*)>& extra);
  // A drawn popup menu as an overlay picture; rows are returned relative to the picture.
  std::string Menu(const std::vector<xp::MenuItem>& items, int highlight, std::vector<Box>* rows = nullptr,
                   int width = 0);
  // A square crop of a screen as a drag handle.
  std::string Handle(const std::function<void(cairo_t*)>& paint, const Box& region);

 private:
  Bank& bank_;
};

// Registers the page pictures of a built-in tab layout (A to D) under their fixed ids; make(t)
// draws the sheet with tab t (0-based) in front.
void AddTabPages(Kit& k, char layout, const std::function<Form(int)>& make);

// The part of a box left of the docked question bar (which covers x >= 468 below y = 358).
Box LeftOfBar(const Box& b);

// Hint texts built from the popup file, so that hints always name the item the step expects.
std::string PopupHint(const std::string& what, int type, int menu, int group, int item);

void UnitDesktop(Kit& k);
void UnitStartMenu(Kit& k);
void UnitWindows(Kit& k);
void UnitFolders(Kit& k);
void UnitFiles(Kit& k);
void UnitExplorer(Kit& k);
void UnitRecycle(Kit& k);
void UnitDisplay(Kit& k);
void UnitDevices(Kit& k);
void UnitSystem(Kit& k);
void UnitAccessories(Kit& k);
void UnitMixed(Kit& k);

// All units in order.
void BuildBank(Bank& bank);

}  // namespace xpexam::bankgen

namespace xpexam::bankgen::world {

// The standard folders of the practice machine.
FolderWindow MyComputer();
FolderWindow MyDocuments();
FolderWindow Network();
FolderWindow RecycleBin(bool empty = false);
FolderWindow StudyFolder();  // 学习资料 on drive D:
FolderWindow DriveD();
FolderWindow ControlPanel();
Notepad PlanFile();  // 工作计划.txt opened in Notepad
// Internet Explorer, maximised, showing a page.
void PaintBrowser(cairo_t* cr, const std::string& address, const std::string& heading);
// The desktop after a rearrangement of its second column.
Desktop ArrangedDesktop(const std::vector<std::string>& order);

}  // namespace xpexam::bankgen::world

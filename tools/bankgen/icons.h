#pragma once
// Shell icons drawn as vectors on a 32-unit grid, so that one drawing serves 16, 24, 32 and 48
// pixel sizes.
#include "tools/bankgen/draw.h"

namespace xpexam::bankgen {

enum class Icon {
  kFolder,
  kFolderOpen,
  kMyDocuments,
  kMyComputer,
  kNetwork,
  kRecycleEmpty,
  kRecycleFull,
  kInternetExplorer,
  kTextFile,
  kWordFile,
  kImageFile,
  kProgram,
  kZipFolder,
  kHardDisk,
  kFloppy,
  kCdDrive,
  kRemovable,
  kControlPanel,
  kDisplay,
  kMouse,
  kSound,
  kClock,
  kRegional,
  kSystem,
  kTaskbar,
  kFolderOptions,
  kUsers,
  kAddRemove,
  kFonts,
  kPrinter,
  kKeyboard,
  kPower,
  kNotepad,
  kPaint,
  kCalculator,
  kCommand,
  kSearch,
  kHelp,
  kRun,
  kLogOff,
  kShutDown,
  kMusic,
  kPictures,
  kRecent,
  kExplorer,
  kMediaPlayer,
  kWarning,
  kQuestion,
  kInformation,
};

// Draws the icon with its top-left corner at (x, y), size pixels square; a selected icon is
// tinted blue as the shell draws it.
void DrawIcon(cairo_t* cr, Icon icon, double x, double y, double size, bool selected = false);
// The small curved arrow of a shortcut, over an icon of the given size.
void DrawShortcutArrow(cairo_t* cr, double x, double y, double size);

}  // namespace xpexam::bankgen

#pragma once
// The pictures the program's own windows load from the data folder by fixed names: splash,
// window icon, button face strips, dialog and message-box backgrounds, the question bar, the
// sign-in and score pages, the home screen, the help pages and the hand cursor.
#include "tools/bankgen/bank.h"

namespace xpexam::bankgen {

// Adds every program picture to the store under its fixed name.
void AddProgramPictures(PictureStore& store, const std::string& module_title);

// The cursor files of the program folder: name ("ico00.CUR") -> bytes.
std::vector<std::pair<std::string, std::string>> CursorFiles();

// Help pages l38180 to l38184 (HTML in GBK): name -> bytes.
std::vector<std::pair<std::string, std::string>> HelpPages(const std::string& module_title);

}  // namespace xpexam::bankgen

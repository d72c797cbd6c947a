#include "frame/installation.h"

#include "forms/msgbox.h"

namespace xpexam::frame {
namespace {
Installation& Instance() {
  static Installation the;
  return the;
}
}  // namespace

void Installation::Reset() {
  *this = Installation();
  forms::SetAppTitle("");
}

const Installation& installation() { return Instance(); }
Installation& editInstallation() { return Instance(); }

std::string DialogCaption() {
  const Installation& inst = installation();
  return inst.settings(0) + inst.settings(9) + "——" + inst.moduleName() + "模块";
}

}  // namespace xpexam::frame

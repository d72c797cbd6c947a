#include "frame/data_picture.h"

#include <string>

#include "forms/pictures.h"
#include "frame/module_state.h"

namespace xpexam::frame {

forms::PicturePtr DataPicture(std::string_view name) {
  return forms::LoadPicture(installation().dataPath() + std::string(name) + ".mxy");
}

}  // namespace xpexam::frame

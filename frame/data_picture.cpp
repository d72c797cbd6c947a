#include "frame/data_picture.h"

#include <string>

#include "forms/pictures.h"
#include "frame/installation.h"
#include "platform/failure.h"

namespace xpexam::frame {

forms::PicturePtr DataPicture(std::string_view name) {
  return forms::LoadPicture(installation().dataPath() + std::string(name) + ".mxy");
}

forms::PicturePtr DataPictureOrNone(std::string_view name, std::string_view tag) {
  forms::PicturePtr picture;
  const auto load = [&] { picture = DataPicture(name); };
  if (tag.empty())
    platform::Try(load);
  else
    platform::TryReport(tag, load);
  return picture;
}

}  // namespace xpexam::frame

#pragma once
// Pictures of the installed data folder: dataPath + name + ".mxy".
#include <string_view>

#include "forms/graphics.h"

namespace xpexam::frame {

// Failure 53 when the file is missing, 481 when it is not a picture.
forms::PicturePtr DataPicture(std::string_view name);

}  // namespace xpexam::frame

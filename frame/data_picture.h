#pragma once
// Pictures of the installed data folder: dataPath + name + ".mxy".
#include <string_view>

#include "forms/graphics.h"

namespace xpexam::frame {

// Failure 53 when the file is missing, 481 when it is not a picture.
forms::PicturePtr DataPicture(std::string_view name);

// The same picture, or none when it cannot be loaded: the failure is reported under tag, or
// passed over when tag is empty. Whoever would show it keeps what it shows.
forms::PicturePtr DataPictureOrNone(std::string_view name, std::string_view tag = {});

}  // namespace xpexam::frame

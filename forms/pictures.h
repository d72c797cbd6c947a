#pragma once
// Picture loading for windows and controls. The runtime remembers the name each picture was
// loaded from, so that a dump can tell which picture a window or an image shows.
#include <string>

#include "forms/graphics.h"

namespace xpexam::forms {

// Picture::Load, remembering the file's base name without its extension as the picture's id.
PicturePtr LoadPicture(const std::string& path);
// The id of a picture loaded by LoadPicture; "" for none or for a picture made otherwise.
std::string PictureId(const PicturePtr& picture);

}  // namespace xpexam::forms

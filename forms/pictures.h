#pragma once
// Picture loading for windows and controls. The runtime remembers the name each picture was
// loaded from, so that a dump can tell which picture a window or an image shows.
#include <string>
#include <string_view>

#include "forms/graphics.h"
#include "platform/failure.h"

namespace xpexam::forms {

// Where the file name starts, after the last slash or backslash (a plain loop: find_last_of
// with a set searches the set once per character).
inline size_t FileNameStart(std::string_view path) {
  size_t i = path.size();
  while (i > 0 && path[i - 1] != '/' && path[i - 1] != '\\') --i;
  return i;
}

// "dir\.mxy": the name of a picture that a record left empty.
inline bool IsEmptyPictureName(std::string_view path) {
  const size_t start = FileNameStart(path);
  return start == path.size() || path[start] == '.';
}

// LoadPicture once the name is known not to be empty.
PicturePtr LoadNamedPicture(const std::string& path);

// Picture::Load, remembering the file's base name without its extension as the picture's id.
// Records leave picture names empty all the time, so that failure is raised right here, with
// nothing to look up and no frames to unwind.
inline PicturePtr LoadPicture(const std::string& path) {
  if (IsEmptyPictureName(path)) platform::Fail(platform::kErrFileNotFound, "File not found");
  return LoadNamedPicture(path);
}

// The id of a picture loaded by LoadPicture; "" for none or for a picture made otherwise.
std::string PictureId(const PicturePtr& picture);

}  // namespace xpexam::forms

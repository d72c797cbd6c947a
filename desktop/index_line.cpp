#include "desktop/index_line.h"

#include "platform/strings.h"

namespace xpexam::desktop {

using platform::Mid;

std::string IndexLine::Code() const { return Mid(line_, 1, 4); }

double IndexLine::RecordCountValue() const { return platform::Val(Mid(line_, 5, 2)); }

int16_t IndexLine::RecordCount() const { return platform::CInt(RecordCountValue()); }

std::string IndexLine::Text() const { return Mid(line_, 7); }

std::string IndexLine::TextWithBreaks() const { return platform::Replace(Text(), "|", "\r\n"); }

bool IndexLine::HasPicture() const { return Mid(line_, 7, 7) == kPictureMark; }

std::string IndexLine::PictureId() const { return HasPicture() ? Mid(line_, 14, 6) : std::string(); }

std::string IndexLine::PictureText() const { return HasPicture() ? Mid(line_, 20) : std::string(); }

bool IndexLine::IsBlank() const { return platform::Trim(line_).empty(); }

}  // namespace xpexam::desktop

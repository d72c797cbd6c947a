#pragma once
// The system's text files are in the GBK code page; in memory all text is UTF-8.
#include <string>
#include <string_view>

namespace xpexam::platform {

// Invalid or truncated byte sequences decode to U+FFFD instead of failing.
std::string GbkToUtf8(std::string_view gbk);

// Characters that GBK cannot hold are written as "?".
std::string Utf8ToGbk(std::string_view utf8);

}  // namespace xpexam::platform

#include "platform/codepage.h"

#include <cerrno>
#include <iconv.h>

namespace xpexam::platform {
namespace {

class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts in, calling on_bad(input, out) at every byte sequence it cannot take;
  // on_bad returns how many input bytes to skip.
  template <class OnBad>
  std::string Run(std::string_view in, OnBad on_bad) {
    std::string out;
    if (cd_ == reinterpret_cast<iconv_t>(-1)) return out;
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    out.reserve(in.size() * 3 / 2 + 8);
    char buf[1024];
    char* src = const_cast<char*>(in.data());
    size_t left = in.size();
    while (left > 0) {
      char* dst = buf;
      size_t room = sizeof buf;
      size_t r = iconv(cd_, &src, &left, &dst, &room);
      out.append(buf, static_cast<size_t>(dst - buf));
      if (r != static_cast<size_t>(-1)) break;
      if (errno == E2BIG) continue;
      // EILSEQ or EINVAL (a sequence cut off at the end).
      size_t skip = on_bad(std::string_view(src, left), out);
      if (skip == 0 || skip > left) skip = left;
      src += skip;
      left -= skip;
      iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    }
    return out;
  }

 private:
  iconv_t cd_;
};

size_t Utf8SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if ((lead & 0xE0) == 0xC0) return 2;
  if ((lead & 0xF0) == 0xE0) return 3;
  if ((lead & 0xF8) == 0xF0) return 4;
  return 1;
}

}  // namespace

std::string GbkToUtf8(std::string_view gbk) {
  // A converter per thread: the program has one, but tests and tools may not.
  thread_local Converter conv("UTF-8", "GBK");
  return conv.Run(gbk, [](std::string_view rest, std::string& out) -> size_t {
    out += "\xEF\xBF\xBD";
    // A bad lead byte takes its trail byte with it only when that trail is not ASCII,
    // so that "\x81 " keeps its blank.
    unsigned char lead = static_cast<unsigned char>(rest[0]);
    if (lead >= 0x81 && lead <= 0xFE && rest.size() >= 2 &&
        static_cast<unsigned char>(rest[1]) >= 0x80)
      return 2;
    return 1;
  });
}

std::string Utf8ToGbk(std::string_view utf8) {
  thread_local Converter conv("GBK", "UTF-8");
  return conv.Run(utf8, [](std::string_view rest, std::string& out) -> size_t {
    out += '?';
    size_t n = Utf8SequenceLength(static_cast<unsigned char>(rest[0]));
    return n <= rest.size() ? n : rest.size();
  });
}

}  // namespace xpexam::platform

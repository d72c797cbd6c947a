#include "platform/curl_api.h"

#include <dlfcn.h>

#include <cstdio>

namespace xpexam::platform {
namespace {

template <typename F>
bool Bind(void* library, const char* name, F& slot) {
  slot = reinterpret_cast<F>(::dlsym(library, name));
  return slot != nullptr;
}

struct Library {
  bool tried = false;
  const CurlApi* api = nullptr;
};

Library& Lib() {
  static Library lib;
  return lib;
}

// Never closed: the handle and the global initialisation last until the process ends.
const CurlApi* Open() {
  void* handle = ::dlopen("libcurl.so.4", RTLD_NOW | RTLD_LOCAL);
  if (!handle) {
    std::fprintf(stderr, "xpexam: the HTTP library cannot be loaded (%s); no request will reach a server\n",
                 ::dlerror());
    return nullptr;
  }
  static CurlApi api{};
  decltype(&::curl_global_init) global_init = nullptr;
  const bool bound = Bind(handle, "curl_global_init", global_init) &&
                     Bind(handle, "curl_easy_init", api.easy_init) &&
                     Bind(handle, "curl_easy_setopt", api.easy_setopt) &&
                     Bind(handle, "curl_easy_getinfo", api.easy_getinfo) &&
                     Bind(handle, "curl_easy_strerror", api.easy_strerror) &&
                     Bind(handle, "curl_easy_cleanup", api.easy_cleanup) &&
                     Bind(handle, "curl_multi_init", api.multi_init) &&
                     Bind(handle, "curl_multi_add_handle", api.multi_add_handle) &&
                     Bind(handle, "curl_multi_remove_handle", api.multi_remove_handle) &&
                     Bind(handle, "curl_multi_perform", api.multi_perform) &&
                     Bind(handle, "curl_multi_info_read", api.multi_info_read) &&
                     Bind(handle, "curl_multi_timeout", api.multi_timeout) &&
                     Bind(handle, "curl_multi_poll", api.multi_poll) &&
                     Bind(handle, "curl_multi_cleanup", api.multi_cleanup);
  if (bound && global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK) return &api;
  std::fprintf(stderr, "xpexam: the HTTP library cannot be set up; no request will reach a server\n");
  return nullptr;
}

}  // namespace

const CurlApi* Curl() {
  Library& lib = Lib();
  if (!lib.tried) {
    lib.tried = true;
    lib.api = Open();
  }
  return lib.api;
}

bool CurlIsOpen() { return Lib().api != nullptr; }

}  // namespace xpexam::platform

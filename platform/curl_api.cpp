#include "platform/curl_api.h"

#include <dlfcn.h>

namespace xpexam::platform {
namespace {

template <typename F>
bool Bind(void* library, const char* name, F& slot) {
  slot = reinterpret_cast<F>(::dlsym(library, name));
  return slot != nullptr;
}

struct Library {
  void* handle = nullptr;
  CurlApi api{};
  int leases = 0;
};

Library& Lib() {
  static Library lib;
  return lib;
}

bool Open(Library& lib) {
  lib.handle = ::dlopen("libcurl.so.4", RTLD_NOW | RTLD_LOCAL);
  if (!lib.handle) return false;
  CurlApi& api = lib.api;
  const bool bound = Bind(lib.handle, "curl_global_init", api.global_init) &&
                     Bind(lib.handle, "curl_global_cleanup", api.global_cleanup) &&
                     Bind(lib.handle, "curl_easy_init", api.easy_init) &&
                     Bind(lib.handle, "curl_easy_setopt", api.easy_setopt) &&
                     Bind(lib.handle, "curl_easy_getinfo", api.easy_getinfo) &&
                     Bind(lib.handle, "curl_easy_strerror", api.easy_strerror) &&
                     Bind(lib.handle, "curl_easy_cleanup", api.easy_cleanup) &&
                     Bind(lib.handle, "curl_multi_init", api.multi_init) &&
                     Bind(lib.handle, "curl_multi_add_handle", api.multi_add_handle) &&
                     Bind(lib.handle, "curl_multi_remove_handle", api.multi_remove_handle) &&
                     Bind(lib.handle, "curl_multi_perform", api.multi_perform) &&
                     Bind(lib.handle, "curl_multi_info_read", api.multi_info_read) &&
                     Bind(lib.handle, "curl_multi_timeout", api.multi_timeout) &&
                     Bind(lib.handle, "curl_multi_poll", api.multi_poll) &&
                     Bind(lib.handle, "curl_multi_cleanup", api.multi_cleanup);
  if (bound && api.global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK) return true;
  ::dlclose(lib.handle);
  lib.handle = nullptr;
  return false;
}

}  // namespace

CurlLease::CurlLease() {
  Library& lib = Lib();
  api_ = lib.handle || Open(lib) ? &lib.api : nullptr;
  if (api_) ++lib.leases;
}

CurlLease::~CurlLease() {
  if (!api_) return;
  Library& lib = Lib();
  if (--lib.leases > 0) return;
  lib.api.global_cleanup();
  ::dlclose(lib.handle);
  lib.handle = nullptr;
}

bool CurlIsOpen() { return Lib().handle != nullptr; }

}  // namespace xpexam::platform

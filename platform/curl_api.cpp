#include "platform/curl_api.h"

#include <dlfcn.h>

namespace xpexam::platform {
namespace {

template <typename F>
bool Bind(void* library, const char* name, F& slot) {
  slot = reinterpret_cast<F>(::dlsym(library, name));
  return slot != nullptr;
}

const CurlApi* Open() {
  void* library = ::dlopen("libcurl.so.4", RTLD_NOW | RTLD_LOCAL);
  if (!library) return nullptr;
  static CurlApi api;
  const bool bound = Bind(library, "curl_global_init", api.global_init) &&
                     Bind(library, "curl_easy_init", api.easy_init) &&
                     Bind(library, "curl_easy_setopt", api.easy_setopt) &&
                     Bind(library, "curl_easy_getinfo", api.easy_getinfo) &&
                     Bind(library, "curl_easy_strerror", api.easy_strerror) &&
                     Bind(library, "curl_easy_cleanup", api.easy_cleanup) &&
                     Bind(library, "curl_multi_init", api.multi_init) &&
                     Bind(library, "curl_multi_add_handle", api.multi_add_handle) &&
                     Bind(library, "curl_multi_remove_handle", api.multi_remove_handle) &&
                     Bind(library, "curl_multi_perform", api.multi_perform) &&
                     Bind(library, "curl_multi_info_read", api.multi_info_read) &&
                     Bind(library, "curl_multi_timeout", api.multi_timeout) &&
                     Bind(library, "curl_multi_poll", api.multi_poll) &&
                     Bind(library, "curl_multi_cleanup", api.multi_cleanup);
  // Kept open for the rest of the run: handles may outlive any one request.
  if (!bound || api.global_init(CURL_GLOBAL_DEFAULT) != CURLE_OK) return nullptr;
  return &api;
}

}  // namespace

const CurlApi* Curl() {
  static const CurlApi* const api = Open();
  return api;
}

}  // namespace xpexam::platform

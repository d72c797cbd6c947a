#pragma once
// libcurl, opened at the first request rather than linked: a start sends nothing unless it has
// an error to report, and the library with its TLS, directory and protocol dependencies costs
// several milliseconds and megabytes. Once opened it stays for the rest of the run; the library
// asks for one global initialisation per process, so it is never closed and initialised again.
#include <curl/curl.h>

namespace xpexam::platform {

struct CurlApi {
  decltype(&::curl_easy_init) easy_init;
  decltype(&::curl_easy_setopt) easy_setopt;
  decltype(&::curl_easy_getinfo) easy_getinfo;
  decltype(&::curl_easy_strerror) easy_strerror;
  decltype(&::curl_easy_cleanup) easy_cleanup;
  decltype(&::curl_multi_init) multi_init;
  decltype(&::curl_multi_add_handle) multi_add_handle;
  decltype(&::curl_multi_remove_handle) multi_remove_handle;
  decltype(&::curl_multi_perform) multi_perform;
  decltype(&::curl_multi_info_read) multi_info_read;
  decltype(&::curl_multi_timeout) multi_timeout;
  decltype(&::curl_multi_poll) multi_poll;
  decltype(&::curl_multi_cleanup) multi_cleanup;
};

// The library, opened and initialised on the first call. nullptr when it cannot be opened: that
// is said once on stderr, and every request then fails as an unreachable server makes it fail.
const CurlApi* Curl();

// Whether the library has been opened in this run (for tests).
bool CurlIsOpen();

}  // namespace xpexam::platform

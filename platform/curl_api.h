#pragma once
// libcurl, opened while requests need it rather than linked. A start sends nothing unless it
// has an error to report, and the library with its TLS, directory and protocol dependencies
// costs a few milliseconds and several megabytes of resident memory; once the last request has
// ended the library is closed again, so a run that reported an error at start does not carry
// it for hours.
#include <curl/curl.h>

namespace xpexam::platform {

struct CurlApi {
  decltype(&::curl_global_init) global_init;
  decltype(&::curl_global_cleanup) global_cleanup;
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

// Keeps the library open while it lives; every handle must be cleaned up before its lease
// ends. get() is nullptr when the library cannot be opened, in which case every request fails
// as an unreachable server does.
class CurlLease {
 public:
  CurlLease();
  ~CurlLease();
  CurlLease(const CurlLease&) = delete;
  CurlLease& operator=(const CurlLease&) = delete;

  const CurlApi* get() const { return api_; }

 private:
  const CurlApi* api_;
};

// Whether the library is open now (for tests).
bool CurlIsOpen();

}  // namespace xpexam::platform

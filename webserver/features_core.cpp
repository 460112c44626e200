// The core build: no optional feature; files are served, directories are
// not listed.

#include "webserver/kwhttpd_internal.h"

const kwhttpd_features kwhttpd_feature_table = {nullptr, nullptr, nullptr, serve_static_path, nullptr,
                                                   nullptr, nullptr, nullptr};

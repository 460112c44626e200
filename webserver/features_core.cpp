// The core build: no optional feature.

#include "webserver/kwhttpd_internal.h"

const kwhttpd_features kwhttpd_feature_table = {nullptr, nullptr, nullptr, nullptr};

// The full build: every optional feature that exists.

#include "webserver/features.h"

const kwhttpd_features kwhttpd_feature_table = {read_config_file,  register_config_page, check_authorization,
                                                   serve_static_path, start_dir_listing,    serve_upload,
                                                   start_cgi,         start_ssi_reply};

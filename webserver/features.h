#pragma once

// The entry points of the optional features, each in its own source file,
// for the full build's feature table.

#include "webserver/kwhttpd_internal.h"

// config_file.cpp: the configuration file and the configuration page.
void read_config_file(kwhttpd_ctx* ctx, const char* argv0, const char* named);
void register_config_page(kwhttpd_ctx* ctx, const char* uri);
// dir_listing.cpp: the directory listing.
void start_dir_listing(kwhttpd_conn* conn, const std::string& path);

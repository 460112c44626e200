#pragma once

#include "common/fileops.h"

#include <string>

// The certificate and private key that the web UI serves HTTPS with when the
// operator names none: one file, "kitwright.pem" in the ".kitwright" directory of
// the home directory, made once and reused by every later run.
class CertificateGenerator {
public:
    // Fixes the path below `homeDirectory` and creates the ".kitwright" directory
    // when it is missing; raises `error` with err_mkdir when it cannot be made or
    // is something other than a directory.
    explicit CertificateGenerator(const std::string& homeDirectory = get_home_dir());

    // The certificate file, created first when there is none.
    std::string getCertificatePath() const;

    const std::string& directory() const { return directory_; }

private:
    // Writes a new private key and a self-signed certificate for this host into
    // `path` (readable by the owner only). The web UI's TLS layer provides it;
    // until then a missing certificate is an internal error, never a path to a
    // file that is not there.
    static void createSelfSignedCertificate(const std::string& path);

    std::string directory_;
    std::string path_;
};

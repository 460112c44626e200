#pragma once

#include "common/fileops.h"

#include <ostream>
#include <string>

// The certificate and private key that the web UI serves HTTPS with when the
// operator names none: one file, "kitwright.pem" in the ".kitwright" directory of
// the home directory, made once and reused by every later run. A certificate the
// operator names never comes here, so this class only ever rewrites its own file.
class CertificateGenerator {
public:
    // Fixes the path below `homeDirectory` and creates the ".kitwright" directory
    // when it is missing; raises `error` with err_mkdir when it cannot be made or
    // is something other than a directory.
    explicit CertificateGenerator(const std::string& homeDirectory = get_home_dir());

    // The certificate file, made first when there is none or when the one there
    // is of no use to a server (no key and certificate that belong together).
    // A usable file is kept, also after it has expired (with a warning); a file
    // readable by others is set back to mode 0600 (with a warning).
    std::string getCertificatePath() const;

    // Writes a new unencrypted RSA key and a self-signed certificate, key first,
    // to the path: through a new file of mode 0600 beside it that is renamed
    // into place, so that a failure leaves the old file or none, never a part.
    void generate() const;

    const std::string& directory() const { return directory_; }
    const std::string& path() const { return path_; }

private:
    // Whether the file at the path serves as it is; corrects its mode on the way.
    bool existingFileIsUsable() const;

    std::string directory_;
    std::string path_;
};

std::ostream& operator<<(std::ostream& out, const CertificateGenerator& generator);

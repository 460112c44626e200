#include "installer/webui/CertificateGenerator.h"

#include "common/Log.h"
#include "common/Messages.h"
#include "common/error.h"

#include <cerrno>
#include <cstring>

CertificateGenerator::CertificateGenerator(const std::string& homeDirectory)
{
    directory_ = homeDirectory;
    fileops::ensure_trailing(directory_, '/');
    directory_ += ".kitwright";
    path_ = directory_ + "/kitwright.pem";

    // create_directory answers false for a path of any kind that is already there;
    // a file of that name would only make the certificate fail later and obscurely.
    if (!fileops::create_directory(directory_) && !fileops::is_directory(directory_)) {
        const std::string reason = std::strerror(ENOTDIR);
        Log(1, true) << "Error: CertificateGenerator: " << directory_ << " is not a directory";
        error failure(4, 1, 1, 2);
        failure << (Messages::format("err_mkdir") % directory_ % reason);
        throw failure;
    }
}

std::string CertificateGenerator::getCertificatePath() const
{
    if (!fileops::is_file(path_)) {
        Log(2, true) << "CertificateGenerator: no certificate at " << path_ << ", creating a self-signed one";
        createSelfSignedCertificate(path_);
    }
    return path_;
}

void CertificateGenerator::createSelfSignedCertificate(const std::string& path)
{
    Log(1, true) << "Error: CertificateGenerator: cannot create a self-signed certificate at " << path
                 << ": certificate creation is not part of this build";
    throw KW_INTERNAL_ERROR();
}

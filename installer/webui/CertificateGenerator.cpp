#include "installer/webui/CertificateGenerator.h"

#include "common/Log.h"
#include "common/Messages.h"
#include "common/error.h"

#include <openssl/bio.h>
#include <openssl/bn.h>
#include <openssl/err.h>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/x509.h>

#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

constexpr int kKeyBits = 2048;
constexpr long kValiditySeconds = 31536000;  // 365 days
// A key and certificate file is a few kilobytes; anything far larger is not ours.
constexpr std::size_t kMaxFileSize = 1 << 20;

struct FreeKey {
    void operator()(EVP_PKEY* key) const { EVP_PKEY_free(key); }
};
struct FreeCertificate {
    void operator()(X509* certificate) const { X509_free(certificate); }
};
struct FreeBio {
    void operator()(BIO* bio) const { BIO_free(bio); }
};
struct FreeKeyContext {
    void operator()(EVP_PKEY_CTX* context) const { EVP_PKEY_CTX_free(context); }
};
struct FreeNumber {
    void operator()(BIGNUM* number) const { BN_free(number); }
};
using Key = std::unique_ptr<EVP_PKEY, FreeKey>;
using Certificate = std::unique_ptr<X509, FreeCertificate>;
using Bio = std::unique_ptr<BIO, FreeBio>;

// Every failure of the certificate's creation: a system fault, worth another try.
error certificateError()
{
    return error(4, 2, 1, 2);
}

error creationFailure(const std::string& text)
{
    ERR_clear_error();
    error failure = certificateError();
    failure << "Error certificate creation: " << text;
    return failure;
}

error fileCreationFailure(const std::string& path, int code)
{
    Log(1, true) << "Error: CertificateGenerator: cannot create " << path << ": " << std::strerror(code);
    error failure = certificateError();
    failure << (Messages::format("err_file_create") % path);
    return failure;
}

Key generateKey()
{
    std::unique_ptr<EVP_PKEY_CTX, FreeKeyContext> context(EVP_PKEY_CTX_new_id(EVP_PKEY_RSA, nullptr));
    if (!context) throw creationFailure("unable to create EVP_PKEY structure");
    std::unique_ptr<BIGNUM, FreeNumber> exponent(BN_new());
    EVP_PKEY* made = nullptr;
    if (!exponent || BN_set_word(exponent.get(), RSA_F4) != 1 || EVP_PKEY_keygen_init(context.get()) != 1 ||
        EVP_PKEY_CTX_set_rsa_keygen_bits(context.get(), kKeyBits) != 1 ||
        EVP_PKEY_CTX_set1_rsa_keygen_pubexp(context.get(), exponent.get()) != 1 ||
        EVP_PKEY_keygen(context.get(), &made) != 1) {
        const unsigned long code = ERR_peek_error();
        throw creationFailure("unable to generate " + std::to_string(kKeyBits) + "-bits RSA key: " + std::to_string(code));
    }
    return Key(made);
}

// 128 bits from the system's random source, above a leading 1 so that the
// number keeps all of them. A small or repeated serial is refused by browsers
// that saw another certificate of the same issuer with it.
void setRandomSerial(X509* certificate)
{
    unsigned char bytes[17];
    bytes[0] = 1;
    for (std::size_t got = 1; got < sizeof bytes;) {
        const ssize_t n = getrandom(bytes + got, sizeof bytes - got, 0);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) throw creationFailure(std::string("unable to read random bits: ") + std::strerror(errno));
        got += static_cast<std::size_t>(n);
    }
    std::unique_ptr<BIGNUM, FreeNumber> serial(BN_bin2bn(bytes, sizeof bytes, nullptr));
    if (!serial || BN_to_ASN1_INTEGER(serial.get(), X509_get_serialNumber(certificate)) == nullptr)
        throw creationFailure("unable to set the serial number");
}

Certificate generateCertificate(EVP_PKEY* key)
{
    Certificate certificate(X509_new());
    if (!certificate) throw creationFailure("unable to create X509 structure.");
    X509* x = certificate.get();
    X509_set_version(x, 2);
    setRandomSerial(x);
    X509_gmtime_adj(X509_getm_notBefore(x), 0);
    X509_gmtime_adj(X509_getm_notAfter(x), kValiditySeconds);
    X509_set_pubkey(x, key);

    X509_NAME* name = X509_get_subject_name(x);
    const struct {
        const char* field;
        const char* value;
    } entries[] = {
        {"C", "ZZ"}, {"L", "Zarni City"}, {"O", "Zarni"}, {"CN", "Zarni Installer"}, {"E", "support@zarni.example"},
    };
    // An entry the library does not take is left out; the others still name
    // the certificate, which is all a self-signed one needs.
    for (const auto& entry : entries) {
        if (X509_NAME_add_entry_by_txt(name, entry.field, MBSTRING_ASC,
                                       reinterpret_cast<const unsigned char*>(entry.value), -1, -1, 0) != 1)
            Log(3, true) << "DEBUG: CertificateGenerator: the subject entry " << entry.field << " was not taken";
    }
    ERR_clear_error();
    X509_set_issuer_name(x, name);
    if (X509_sign(x, key, EVP_sha256()) == 0) throw creationFailure("unable to sign certificate");
    return certificate;
}

std::string bioText(BIO* bio)
{
    char* data = nullptr;
    const long length = BIO_get_mem_data(bio, &data);
    return length > 0 ? std::string(data, static_cast<std::size_t>(length)) : std::string();
}

// A new file beside the target, made by this process alone and readable by the
// owner only; removed when the guard ends unless it was renamed into place.
class SiblingFile {
public:
    explicit SiblingFile(const std::string& target) : target_(target)
    {
        static std::atomic<unsigned> counter(0);
        for (int attempt = 0; attempt < 100; ++attempt) {
            path_ = target + ".kwtmp." + std::to_string(::getpid()) + "." + std::to_string(++counter);
            descriptor_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
            if (descriptor_ >= 0 || errno != EEXIST) break;
        }
        if (descriptor_ < 0) throw fileCreationFailure(target_, errno);
    }
    ~SiblingFile()
    {
        if (descriptor_ >= 0) ::close(descriptor_);
        if (!renamed_) ::unlink(path_.c_str());
    }
    SiblingFile(const SiblingFile&) = delete;
    SiblingFile& operator=(const SiblingFile&) = delete;

    void write(const std::string& content)
    {
        for (std::size_t written = 0; written < content.size();) {
            const ssize_t step = ::write(descriptor_, content.data() + written, content.size() - written);
            if (step < 0 && errno == EINTR) continue;
            if (step < 0) {
                const int code = errno;
                error failure = certificateError();
                failure << (Messages::format("err_filewrite2") % target_ % std::strerror(code));
                throw failure;
            }
            written += static_cast<std::size_t>(step);
        }
    }
    // Closes the file and gives it the target's name.
    void commit()
    {
        const int synced = ::fsync(descriptor_);
        const int code = errno;
        const int closed = ::close(descriptor_);
        descriptor_ = -1;
        if (synced != 0) throw fileCreationFailure(target_, code);
        if (closed != 0 || ::rename(path_.c_str(), target_.c_str()) != 0) throw fileCreationFailure(target_, errno);
        renamed_ = true;
    }

private:
    std::string target_;
    std::string path_;
    int descriptor_ = -1;
    bool renamed_ = false;
};

// The file's bytes, or false when it cannot be read as a file of sane size.
bool readSmallFile(int descriptor, std::string* content)
{
    char buffer[8192];
    for (;;) {
        const ssize_t n = ::read(descriptor, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) return true;
        content->append(buffer, static_cast<std::size_t>(n));
        if (content->size() > kMaxFileSize) return false;
    }
}

// Never asks for a passphrase: a key that needs one is of no use to the server.
int noPassphrase(char*, int, int, void*)
{
    return 0;
}

std::string timeText(const ASN1_TIME* time)
{
    Bio bio(BIO_new(BIO_s_mem()));
    if (!bio || ASN1_TIME_print(bio.get(), time) != 1) return "an unreadable date";
    return bioText(bio.get());
}

}  // namespace

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
    if (!existingFileIsUsable()) generate();
    return path_;
}

bool CertificateGenerator::existingFileIsUsable() const
{
    const int descriptor = ::open(path_.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0 && errno == ENOENT) {
        Log(2, true) << "CertificateGenerator: no certificate at " << path_ << ", creating a self-signed one";
        return false;
    }
    struct stat info {};
    std::string content;
    const bool readable =
        descriptor >= 0 && ::fstat(descriptor, &info) == 0 && S_ISREG(info.st_mode) && readSmallFile(descriptor, &content);
    bool ownerOnly = true;
    if (readable && (info.st_mode & 077) != 0) {
        // The file holds the private key: nobody but its owner may read it.
        ownerOnly = ::fchmod(descriptor, 0600) == 0;
        const int code = errno;
        char mode[8];
        std::snprintf(mode, sizeof mode, "%04o", static_cast<unsigned>(info.st_mode & 07777));
        if (ownerOnly)
            Log(1, true) << "Warning: CertificateGenerator: " << path_ << " had mode " << mode << ", set back to 0600";
        else
            Log(1, true) << "Warning: CertificateGenerator: " << path_ << " has mode " << mode
                         << " and cannot be set back to 0600 (" << std::strerror(code) << "), making a new one";
    }
    if (descriptor >= 0) ::close(descriptor);
    if (!ownerOnly) return false;
    if (!readable) {
        Log(1, true) << "Warning: CertificateGenerator: " << path_
                     << " is not a readable key and certificate file, making a new one";
        return false;
    }

    Bio keyText(BIO_new_mem_buf(content.data(), static_cast<int>(content.size())));
    Bio certificateText(BIO_new_mem_buf(content.data(), static_cast<int>(content.size())));
    Key key(keyText ? PEM_read_bio_PrivateKey(keyText.get(), nullptr, noPassphrase, nullptr) : nullptr);
    Certificate certificate(certificateText ? PEM_read_bio_X509(certificateText.get(), nullptr, noPassphrase, nullptr)
                                            : nullptr);
    const bool matching = key && certificate && X509_check_private_key(certificate.get(), key.get()) == 1;
    ERR_clear_error();
    if (!matching) {
        Log(1, true) << "Warning: CertificateGenerator: " << path_
                     << (key && certificate ? " holds a key that does not belong to its certificate"
                                            : " holds no unencrypted private key and certificate")
                     << ", making a new one";
        return false;
    }
    // The file is made only when none is usable: an expired certificate still
    // serves, and the operator decides when to replace it.
    if (X509_cmp_current_time(X509_get0_notAfter(certificate.get())) <= 0) {
        Log(1, true) << "Warning: CertificateGenerator: the certificate in " << path_ << " expired on "
                     << timeText(X509_get0_notAfter(certificate.get()))
                     << "; it is kept: remove the file to have a new one made";
    }
    return true;
}

void CertificateGenerator::generate() const
{
    Log(2, true) << "Generate self-signed certificate for access to web interface to " << path_;
    // The file is made before the key, so that a place that cannot take it
    // fails before the costly part.
    SiblingFile file(path_);

    Log(2, true) << "Generating private key ";
    const Key key = generateKey();
    Log(2, true) << "Generating x509 certificate ";
    const Certificate certificate = generateCertificate(key.get());

    Bio pem(BIO_new(BIO_s_mem()));
    Log(2, true) << "Writing private key to " << path_;
    if (!pem || PEM_write_bio_PrivateKey(pem.get(), key.get(), nullptr, nullptr, 0, nullptr, nullptr) != 1) {
        ERR_clear_error();
        error failure = certificateError();
        failure << (Messages::format("err_filewrite2") % path_ % "private key");
        throw failure;
    }
    Log(2, true) << "Writing certificate to " << path_;
    if (PEM_write_bio_X509(pem.get(), certificate.get()) != 1) {
        ERR_clear_error();
        error failure = certificateError();
        failure << (Messages::format("err_filewrite2") % path_ % "x509 certificate");
        throw failure;
    }
    file.write(bioText(pem.get()));
    file.commit();
}

std::ostream& operator<<(std::ostream& out, const CertificateGenerator& generator)
{
    return out << generator.path();
}

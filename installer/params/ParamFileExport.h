#pragma once

#include "installer/params/ParamManager.h"

#include <memory>
#include <string>
#include <vector>

// Writes the defined settings of a walk into the parameters files their owners'
// builds name, one "id=<quoted value>" line each, secure settings included. The
// files hold passwords while the packages are installed, so each is opened
// without following a link, with mode 0600, refused unless it is a regular file
// at an absolute path, and registered for removal at exit before anything is
// written. Products whose builds name one file share it. Every failure raises.
class ParamManager::ParamFileExport : public ParamManager::Visitor {
public:
    // `opened` receives the path of each file as it is opened, so that the
    // caller removes them even when the export fails half-way.
    explicit ParamFileExport(std::vector<std::string>& opened) : opened_(opened) {}
    ~ParamFileExport() override;

    void visit(const ParamPtr& param) override;
    // Closes the files, checking that everything reached them.
    void finish();

    // One open parameters file.
    struct file_t {
        file_t(const std::string& path, int descriptor) : path(path), descriptor(descriptor) {}
        ~file_t();
        file_t(const file_t&) = delete;
        file_t& operator=(const file_t&) = delete;
        void write(const std::string& line);
        void close();

        std::string path;
        int descriptor;
    };

private:
    file_t& fileFor(const KwComponent& owner);

    std::vector<std::string>& opened_;
    std::vector<std::unique_ptr<file_t>> files_;
};

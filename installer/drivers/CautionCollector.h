#pragma once

#include "installer/catalogue/BuildManager.h"

#include <memory>
#include <string>
#include <vector>

namespace driver {

// The release cautions the operator must read before going on: a walk over
// the catalogue (BuildManager::accept) hands over the caution text of every
// selected release that has one (Release::getCaution; the installed release
// has none), in the order of the walk, a text two releases share twice. The
// two drivers with an operator take them their own way (below).
class CautionCollector : public BuildManager::Visitor {
public:
    void visitRelease(const ReleasePtr& release) override;

protected:
    virtual void take(const std::string& caution) = 0;
};

namespace interactive {

// The text wizard's collector: each caution is shown at once as a message
// dialog (DlgMaker::createMessage, then Dialog::run), so the operator reads
// and confirms them one by one. `Factory` is the wizard's dialog factory; a
// dialog it makes belongs to the caller, as a raw or a unique pointer.
template <class Factory>
class CautionCollector : public driver::CautionCollector {
public:
    explicit CautionCollector(Factory& maker) : maker_(maker) {}

protected:
    void take(const std::string& caution) override
    {
        auto message = own(maker_.createMessage(caution));
        message->run();
    }

private:
    template <class Dialog>
    static std::unique_ptr<Dialog> own(Dialog* dialog)
    {
        return std::unique_ptr<Dialog>(dialog);
    }
    template <class Dialog>
    static std::unique_ptr<Dialog> own(std::unique_ptr<Dialog> dialog)
    {
        return dialog;
    }

    Factory& maker_;
};

}  // namespace interactive

namespace web {

// The web back end's collector: the cautions in a list, for the back end to
// send as warnings.
class CautionCollector : public driver::CautionCollector {
public:
    const std::vector<std::string>& cautions() const { return cautions_; }

protected:
    void take(const std::string& caution) override;

private:
    std::vector<std::string> cautions_;
};

}  // namespace web

}  // namespace driver

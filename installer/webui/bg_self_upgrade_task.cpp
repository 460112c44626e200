#include "installer/webui/bg_self_upgrade_task.h"

#include "common/Log.h"
#include "common/error.h"

#include <exception>

bg_self_upgrade_task::bg_self_upgrade_task(Download download) : download_(std::move(download)) {}

bg_self_upgrade_task::~bg_self_upgrade_task()
{
    if (thread_.joinable()) thread_.join();
}

void bg_self_upgrade_task::start()
{
    thread_ = std::thread([this] { (*this)(); });
}

void bg_self_upgrade_task::fail(const std::string& text, const std::string& className)
{
    Log(2, true) << "Error: " << text;
    errorText_ = text;
    errorClass_ = className;
    state_.store(State::failed, std::memory_order_release);
}

void bg_self_upgrade_task::operator()()
{
    try {
        download_();
        state_.store(State::ready, std::memory_order_release);
    } catch (const error& failure) {
        fail(failure.text(), failure.className());
    } catch (const std::exception& failure) {
        fail(failure.what(), "internal");
    } catch (...) {
        // An exception leaving a thread would end the process; the task reports it instead.
        fail("Unexpected exception caught", "internal");
    }
}

std::ostream& operator<<(std::ostream& out, bg_self_upgrade_task::State state)
{
    switch (state) {
    case bg_self_upgrade_task::State::preparing:
        return out << "preparing";
    case bg_self_upgrade_task::State::ready:
        return out << "ready";
    case bg_self_upgrade_task::State::failed:
        return out << "failed";
    }
    return out << "unknown";
}

#pragma once

#include "common/error.h"
#include "installer/engine/ProgressValueObserver.h"

#include <memory>
#include <mutex>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

// A counter that observers watch: a value, the value at which the work is done
// (0: unknown) and a free text. The downloader publishes its bytes and its failed
// attempts this way, and a renderer turns them into the progress line.
//
// A value above a non-zero maximum is a consistency failure: every setter checks
// it. Observers are held weakly: one that is gone is passed over.
//
// One value is used by one thread at a time. notify() compares with the triple
// notified last anywhere in the process (so that a burst of equal notifications
// redraws one line); that record is shared by every value of a counter type and
// guarded, since two threads may download at once.
template <class T>
class ProgressValue {
public:
    explicit ProgressValue(T value = T(), T maximum = T(), std::string text = std::string())
        : value_(value), maximum_(maximum), text_(std::move(text))
    {
        check(value_, maximum_);
    }

    T value() const { return value_; }
    T maximum() const { return maximum_; }
    const std::string& text() const { return text_; }

    void set(T value, T maximum)
    {
        check(value, maximum);
        value_ = value;
        maximum_ = maximum;
    }
    void setValue(T value) { set(value, maximum_); }
    void add(T amount) { set(value_ + amount, maximum_); }
    void setText(const std::string& text) { text_ = text; }

    // Tells every living observer, in the order they were added, unless `force` is
    // false and this triple is the one notified last.
    void notify(bool force = false)
    {
        {
            LastNotified& last = lastNotified();
            std::lock_guard<std::mutex> guard(last.mutex);
            const auto triple = std::tie(value_, maximum_, text_);
            if (!force && last.valid && std::tie(last.value, last.maximum, last.text) == triple) return;
            last.value = value_;
            last.maximum = maximum_;
            last.text = text_;
            last.valid = true;
        }
        // A copy: an observer may add observers while it is told.
        const std::vector<std::weak_ptr<ProgressValueObserver>> observers = observers_;
        for (const std::weak_ptr<ProgressValueObserver>& weak : observers)
            if (const std::shared_ptr<ProgressValueObserver> observer = weak.lock()) observer->onChange();
    }

    // Adds the observer unless it is in the list already.
    void addObserver(const std::shared_ptr<ProgressValueObserver>& observer)
    {
        for (const std::weak_ptr<ProgressValueObserver>& weak : observers_)
            if (!weak.owner_before(observer) && !observer.owner_before(weak)) return;
        observers_.push_back(observer);
    }

private:
    struct LastNotified {
        std::mutex mutex;
        bool valid = false;
        T value = T();
        T maximum = T();
        std::string text;
    };
    static LastNotified& lastNotified()
    {
        static LastNotified record;
        return record;
    }

    static void check(T value, T maximum)
    {
        if (maximum != T() && value > maximum)
            throw KW_INTERNAL_ERROR() << "progress value " << value << " above its maximum " << maximum;
    }

    T value_;
    T maximum_;
    std::string text_;
    std::vector<std::weak_ptr<ProgressValueObserver>> observers_;
};

template <class T>
std::ostream& operator<<(std::ostream& out, const ProgressValue<T>& value)
{
    return out << value.value() << "/" << value.maximum() << " '" << value.text() << "'";
}

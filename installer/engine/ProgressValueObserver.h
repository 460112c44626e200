#pragma once

// Something that shows a progress value: told after the value changed.
class ProgressValueObserver {
public:
    virtual ~ProgressValueObserver() = default;
    virtual void onChange() = 0;
};

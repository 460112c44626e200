#pragma once

#include "common/error.h"

// A pointer that may legitimately be empty; dereferencing it while empty is a
// consistency failure reported as an internal error, never a crash.
error nullPointerError(int line);

template <class T>
class checked_pointer {
public:
    checked_pointer(T* pointer = nullptr) : pointer_(pointer) {}

    T& operator*() const
    {
        if (!pointer_) throw nullPointerError(__LINE__);
        return *pointer_;
    }

    T* operator->() const
    {
        if (!pointer_) throw nullPointerError(__LINE__);
        return pointer_;
    }

    T* get() const { return pointer_; }
    explicit operator bool() const { return pointer_ != nullptr; }
    checked_pointer& operator=(T* pointer)
    {
        pointer_ = pointer;
        return *this;
    }

private:
    T* pointer_;
};

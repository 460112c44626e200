#pragma once

#include <string>

// Receives the progress of single packages while the products are installed:
// the installation engine's per-release progress implements it, and the
// repository reports each downloaded package to it. It lives here so that the
// package model needs nothing of the engine.
class PackagesProgress {
public:
    virtual ~PackagesProgress() = default;
    // The package tool has begun to install.
    virtual void setStarted() = 0;
    // The package has reached `stage` (1: downloaded).
    virtual void set_progress(int stage, const std::string& packageName) = 0;
};

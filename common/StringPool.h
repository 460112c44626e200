#pragma once

// The process-wide pool of the many short texts of the package model (names,
// versions, architectures, capability names). Each distinct text is stored once
// and never moved or freed, so records hold plain pointers and two pooled texts
// are equal exactly when their pointers are.
class StringPool {
public:
    // The pooled copy of `text` (not null), valid until the process ends. Equal
    // texts give the same pointer; a pooled pointer gives itself back.
    static const char* intern(const char* text);
    // The pooled copy of `text` when the pool holds it, else null; never adds
    // anything, so that looking up names nobody has (an operator's typo, a
    // peer's feed) costs no memory.
    static const char* find(const char* text);
};

#pragma once

// Version and revision of this build, as the banner and internal errors show them.
const char* kwVersion();
const char* kwRevision();

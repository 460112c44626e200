#pragma once

#include <cstddef>
#include <string>

// The one-time login secret of a background launch of the web UI. The start-up
// makes it and puts it into "WEB_SECRET", so that the installer it starts in the
// background, and the front end that one forks, inherit it; the front end takes
// it out of its environment at start and keeps it in memory only.

// Fills the bytes from the kernel's random source (getrandom). Raises error
// (4,2,1,2) when the source fails.
void randomBytes(unsigned char* bytes, std::size_t count);

// `count` letters "a" to "z", each drawn from the kernel's random source
// (getrandom) without bias. Raises error (4,2,1,2) when the source fails.
std::string randomLetters(std::size_t count);

// Sets "WEB_SECRET" of this process to a new secret of kWebSecretLength
// letters (about 131 bits), replacing an old one.
constexpr std::size_t kWebSecretLength = 28;
void generateWebSecret();

// The front end's step at start: takes "WEB_SECRET" (empty when unset) as the
// secret, and removes it from the environment and wipes its text from the
// process's environment block, so that no child the front end starts and no
// reader of /proc/<pid>/environ sees it.
void loadWebSecret();

// The secret loadWebSecret took; empty when there was none or once it was used.
const std::string& webSecret();
// The secret admits once: after its use it is wiped and empty.
void forgetWebSecret();

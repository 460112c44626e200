#include "installer/engine/GpgKeyManager.h"

#include <gtest/gtest.h>

#include <string>

// A key as the catalogue reader delivers it (white space condensed) gets its
// armor lines back; a key with its lines and other texts stay as they are.
// (The throw-away-root test of the APT configurator imports such a key with the
// real gpg and apt-key.)
TEST(GpgKeyManager, RestoresTheArmorOfACondensedKey)
{
    const std::string armored = "-----BEGIN PGP PUBLIC KEY BLOCK-----\n\nmDMEaxudaxYJKwYBBAHaRw8BAQdA\n"
                                "bGU+iJAEExYIADgWIQT=\n=L97+\n-----END PGP PUBLIC KEY BLOCK-----\n";
    const struct {
        std::string given;
        std::string expected;
    } cases[] = {
        {"-----BEGIN PGP PUBLIC KEY BLOCK----- mDMEaxudaxYJKwYBBAHaRw8BAQdA bGU+iJAEExYIADgWIQT= =L97+ "
         "-----END PGP PUBLIC KEY BLOCK-----",
         armored},
        {armored, armored},
        {"zarni signing key", "zarni signing key"},
        {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.given);
        EXPECT_EQ(GpgKeyManager::restoreArmor(c.given), c.expected);
    }
}

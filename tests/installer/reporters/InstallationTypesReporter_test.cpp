#include "installer/reporters/InstallationTypesReporter.h"

#include "tests/common/ErrorExpectations.h"
#include "tests/common/XmlLint.h"
#include "tests/installer/reporters/CatalogueAnswers.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A type is shown by its first name ("Minimal,Core" as "Minimal").
TEST_F(CleanDemo, TypesOfAProductToInstall)
{
    const InstallationTypesReporter reporter(0, &loaded.components.getInstTypes());
    EXPECT_EQ(text(reporter), "Installation types for Zarni:\n"
                              "    Typical - Web hosting with mail.\n"
                              "    Minimal - The control panel alone.\n"
                              "    Full - Install all components.\n"
                              "    Custom - Custom components selection. Recommended only for experienced users.\n");

    const std::string line = xml(reporter);
    EXPECT_EQ(line, std::string(declaration) +
                        "<kitwright status=\"ok\"><products><product id=\"zarni\" name=\"Zarni\"><installation_types>"
                        "<type name=\"Typical\" description=\"Web hosting with mail.\" />"
                        "<type name=\"Minimal\" description=\"The control panel alone.\" />"
                        "<type name=\"Full\" description=\"Install all components.\" />"
                        "<type name=\"Custom\" description=\"Custom components selection. Recommended only for "
                        "experienced users.\" />"
                        "</installation_types></product></products></kitwright>\n");
    EXPECT_EQ(XmlLint(line).complaints(), "");
}

// An installed product gets no installation types: the query is refused in
// either form, before anything is printed.
TEST_F(InstalledDemo, AnInstalledProductIsRefused)
{
    const InstallationTypesReporter reporter(0, &loaded.components.getInstTypes());
    for (bool xmlForm : {false, true}) {
        SCOPED_TRACE(xmlForm ? "xml" : "text");
        std::ostringstream out;
        xmlOutput = xmlForm;
        expectError([&] { out << reporter; }, {2, 1, 1, 1},
                    "Installation types may be shown only for not yet installed products.\n");
        xmlOutput = false;
        EXPECT_EQ(out.str(), "");
    }
}

}  // namespace

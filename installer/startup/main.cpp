#include "installer/startup/Startup.h"

#include <iostream>

int main(int argc, char** argv)
{
    const int code = runInstaller([argc, argv] { startInstaller(argc, argv); });
    std::cout.flush();
    return code;
}

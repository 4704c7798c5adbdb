#include "host/EtsHostCommand.h"

#include <QCoreApplication>

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    // The editor is started and spoken to through Qt's process and local-socket classes.
    QCoreApplication application(argc, argv);
    // Each line is out as it is written, also into a pipe: nothing is lost when a run is killed.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    std::setvbuf(stderr, nullptr, _IONBF, 0);
    const std::vector<std::string> args(argv + 1, argv + argc);
    return host::RunEtsHost(args, std::cout, std::cerr);
}

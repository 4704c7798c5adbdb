#include "host/EtsHostCommand.h"

#include <QCoreApplication>

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    // The editor is started and spoken to through Qt's process and local-socket classes.
    QCoreApplication application(argc, argv);
    const std::vector<std::string> args(argv + 1, argv + argc);
    return host::RunEtsHost(args, std::cout, std::cerr);
}

#include "cli/CliSupport.h"

#include <iostream>

int main(int argc, char** argv)
{
    return tarnix::cli::RunCli(argc, argv, std::cout, std::cerr);
}

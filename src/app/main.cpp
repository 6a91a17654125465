#include "windows/Program.h"

int main(int argc, char **argv)
{
    return addressbook::runProgram(argc, argv);
}

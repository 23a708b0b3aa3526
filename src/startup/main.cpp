#include "startup/ui/Application.h"

int main(int argc, char **argv)
{
    return fw::runApplication(argc, argv);
}

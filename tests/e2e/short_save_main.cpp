// The program as built, but saving its running tank every two seconds
// instead of every five minutes, so a test can kill it after more than one
// period. Built with the tests only: no user setting shortens the period.
#include "startup/ui/Application.h"

int main(int argc, char **argv)
{
    return fw::runApplication(argc, argv, std::chrono::seconds(2));
}

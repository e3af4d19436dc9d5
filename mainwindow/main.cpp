// quellor: the control program of the false-start detection installation.
#include "mainwindow/programstartup.h"

int main(int argc, char **argv)
{
    return ProgramStartup::run(argc, argv);
}

// Build step: writes the splash clock's digit files into the folder given as the only argument.
#include <QGuiApplication>
#include <cstdio>

#include "base/terror.h"
#include "output/digits.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: mkdigits FOLDER\n");
        return 2;
    }
    try {
        WriteDigitFiles(QString::fromLocal8Bit(argv[1]));
    } catch (const TError& e) {
        std::fprintf(stderr, "mkdigits: %s\n", e.what());
        return 1;
    }
    return 0;
}

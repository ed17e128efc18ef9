#pragma once

// The commands of tarvolt-cli. Each command lives in its own cmd_*.cpp and registers itself with a
// static CommandRegistrar, so that adding a command touches no other file.

#include <QStringList>
#include <QTextStream>

struct CliCommand
{
    const char* Name;     // first argument, e.g. "convert"
    const char* Usage;    // arguments after the name, e.g. "IMAGE -o OUT.bin [--size WxH]"
    const char* Summary;  // one line for --help
    int (*Run)(const QStringList& args); // args after the name; returns the exit status
    const char* Help = nullptr;          // what the options do, for "COMMAND --help"; may be absent
};

void RegisterCommand(const CliCommand& command);

struct CommandRegistrar
{
    explicit CommandRegistrar(const CliCommand& command) { RegisterCommand(command); }
};

// Output streams shared by the commands (UTF-8).
QTextStream& Out();
QTextStream& Err();

#pragma once
// What `scfcheck --help` prints.

namespace scfcheck {

inline constexpr const char* kUsage =
    "Usage: scfcheck PROGRAM [-m OVERRIDE] [-l DIRS] [--json]\n"
    "       scfcheck -R DIRECTORY [-l DIRS] [--json]\n"
    "\n"
    "Reads a compiled program and its override file, decodes and applies every\n"
    "section as the customiser does, and reports, one finding a line,\n"
    "\n"
    "  OVERRIDE:LINE: SECTION: severity: message [hint]\n"
    "\n"
    "every statement the runtime will skip or refuse (error) and everything the\n"
    "applied screens show spoilt (warning): sections for entries the program does\n"
    "not have, blocks that name no item (with the item they most likely meant),\n"
    "blocks made dead by later ones, values out of range, unknown or cut, and\n"
    "items that overlap, leave the screen window or are hidden without a default.\n"
    "\n"
    "Options:\n"
    "  -m OVERRIDE  the override file (it must exist); without it the program's\n"
    "               override file is looked for as the customiser does: in the\n"
    "               -l directories, else beside the program with the extension .scf\n"
    "  -l DIRS      directories of override files (\";\", \",\" or \":\" between them);\n"
    "               of several, the first that holds the program's file is used\n"
    "  -R DIRECTORY check every *.op6 and *.op5 program below the directory\n"
    "  --json       write one JSON object a line per finding: file, line, section,\n"
    "               item_key, kind, severity, message, hint\n"
    "  --help       show this help and exit\n"
    "  --version    show the version and exit\n"
    "\n"
    "A program without an override file is clean. Problems with the files\n"
    "themselves are reported as 'scfcheck: PATH: message'; with -R a program that\n"
    "cannot be read is named and the others are still checked.\n"
    "Exit status: 0 when nothing is found, 1 when something is, 2 on bad usage,\n"
    "a program or override file that cannot be read, or a missing -m file.\n";

}  // namespace scfcheck

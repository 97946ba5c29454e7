// The body of the two programs, which differ only in the text table they pass.
#pragma once

struct TextTable;

// Runs the program with the given texts until the user quits; returns the exit code.
int RunDentaroGui(int& argc, char** argv, const TextTable& texts);

#pragma once
// Runs the built program on a given standard input, as a user's pipe would.

#include <string>

// The program's fixed texts: its menu, and the reminder of option 2 before any 1.
inline const std::string menu_text = "\n************************************************* \n"
                                     "         1. Gere solucao inicial \n"
                                     "         2. Simulated Annealing \n"
                                     "         0. Sair \n"
                                     "         Escolha: ";
inline const std::string reminder_text = "\n ----- Gere uma solucao inicial -------\n";

struct program_run {
    std::string output; // everything written to standard output
    std::string errors; // everything written to standard error
    int status;         // exit status; 124 when it had to be stopped
    int files_created;  // files left in the program's working folder
};

// Runs the program with input as standard input, in an empty working folder,
// stopping it after timeout_seconds.
program_run run_program(const std::string& input, int timeout_seconds = 10);

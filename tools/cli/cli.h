// kolmar-cli subcommands. Each returns the process exit status; bad
// arguments print one line on standard error and return 2.
#pragma once

#include <string>
#include <vector>

namespace kolmar::cli {

using Args = std::vector<std::string>;

int cmd_perft(const Args& args);
int cmd_egdb(const Args& args);
int cmd_dam(const Args& args);
int cmd_go(const Args& args);
int cmd_bench(const Args& args);
int cmd_match(const Args& args);
int cmd_engine(const Args& args);
int cmd_openings(const Args& args);
int cmd_pdn(const Args& args);
int cmd_export(const Args& args);
int cmd_analyse(const Args& args);

// Prints "kolmar-cli: <message>" on standard error and returns 2.
int erreur_usage(const std::string& message);

// Parses a whole non-negative decimal; false on anything else.
bool lire_entier(const std::string& texte, long& valeur, long max);

}  // namespace kolmar::cli

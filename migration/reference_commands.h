// The reference data loads of the catalogue, generated from the data files
// under resources/data/ (and, for the bank codes, from the directory file the
// run was given). Each function returns the complete command text that the
// catalogue sends as one command.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace quelor::migration {

// --- Sports and federation lists (sports_lists_data.cpp) ---------------------

// The single-batch script that fills Sportarten and Fachverbaende with
// explicit running numbers; its lines are joined with CR LF.
std::string MemoSport2014Script();
std::string VerbSportArtCommand();
std::string DsaFachverbandCommand();
std::string FachverbaendeCommand();
std::string SportartenCommand();
std::string FachverbaendeNeuCommand();

// --- Depreciation table and association chart (chart_data.cpp) --------------

std::string AnlageTypCommand();
std::string Skr49Command();
std::string F5DatSkr49Command();

// --- Bank codes (bank_code_commands.cpp) --------------------------------------

// The bank code directory compiled into the program (fixed-width records of
// the central bank's published format).
std::string_view EmbeddedBankCodeDirectory();

// The three insert commands that load D_blz from `directory`, a bank code
// directory in the fixed-width format.
std::array<std::string, 3> BankCodeCommands(std::string_view directory);

}  // namespace quelor::migration

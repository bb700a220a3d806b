// The engine command (tools/ravelmark-engine): the computer's choice for a position, move counting
// and the search benchmark from the command line. Kept here, apart from the tool's entry point, so
// that tests can run it with arguments and read what it prints.
//
//   bestmove "FEN" DEPTH   the computer's move for the side to move, searched DEPTH plies:
//                          "bestmove e7e5" (or "bestmove none"), then
//                          "info depth D score S nodes N time MS"
//   bestmove --save FILE DEPTH
//                          the same for the position of a saved game, for its side to move; a file
//                          the saved-game loader refuses is a wrong argument (the line says why)
//   perft "FEN" DEPTH      "nodes N": the legal move sequences of DEPTH moves
//   bench [DEPTH]          the benchmark positions searched at DEPTH (6 when left out), a line each,
//                          then "bench: N nodes T ms P nps"
//
// Wrong arguments print one line on `err` and nothing on `out`, and give exit status 2.
#pragma once

#include <ostream>
#include <string>
#include <vector>

constexpr int kEngineUsageError = 2;
constexpr int kEngineMaxSearchDepth = 64;
constexpr int kEngineMaxPerftDepth = 20;

// Runs one command; `args` leaves out the program name. Returns the exit status.
int RunEngineCommand(const std::vector<std::string> &args, std::ostream &out, std::ostream &err);

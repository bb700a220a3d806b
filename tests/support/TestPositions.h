// Setting up positions for tests and describing moves compactly, so that expected move lists can
// be written as a line of text ("e4 e3 d3").
#pragma once

#include "rules/CChessBoard.h"
#include "rules/CMoveList.h"
#include "rules/ChessTypes.h"

#include <memory>
#include <string>

// A board set up from FEN (see rules/Fen.h); aborts the test program on a malformed FEN, which is a
// fault of the test itself.
std::unique_ptr<CChessBoard> BoardFromFen(const std::string &fen, Side *sideToMove = nullptr);

// The destinations of a list in order, as square names separated by spaces.
std::string Destinations(const CMoveList &list);

// One path as "e2e4 [7 7]", "e1g1 castling" or "g1f3 [6]".
std::string Describe(const CMovePath &path);

// The moves of the piece on `square` ("e2"), each described, separated by ", ".
std::string MovesOf(CChessBoard &board, const std::string &square);

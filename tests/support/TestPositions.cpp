#include "TestPositions.h"

#include "rules/CPiece.h"
#include "rules/Fen.h"

#include <cstdio>
#include <cstdlib>

std::unique_ptr<CChessBoard> BoardFromFen(const std::string &fen, Side *sideToMove) {
  auto board = std::make_unique<CChessBoard>();
  Side side = White;
  std::string error;
  if (!ParseFen(fen, *board, side, &error)) {
    std::fprintf(stderr, "bad FEN in a test: %s (%s)\n", fen.c_str(), error.c_str());
    std::abort();
  }
  if (sideToMove) *sideToMove = side;
  return board;
}

std::string Destinations(const CMoveList &list) {
  std::string text;
  for (const CMovePath &path : list) {
    if (!text.empty()) text += ' ';
    text += SquareName(path.destRow, path.destCol);
  }
  return text;
}

std::string Describe(const CMovePath &path) {
  std::string text = SquareName(path.startRow, path.startCol) + SquareName(path.destRow, path.destCol);
  if (path.castling) return text + " castling";
  text += " [";
  for (int i = 0; i < path.stepCount; ++i) {
    if (i) text += ' ';
    text += std::to_string(path.steps[i]);
  }
  return text + "]";
}

std::string MovesOf(CChessBoard &board, const std::string &square) {
  FenSquare at;
  if (!ParseSquareName(square, at) || !board.PieceAt(at.row, at.column)) return "no piece on " + square;
  CMoveList list;
  board.PieceAt(at.row, at.column)->GenerateMoves(board, list);
  std::string text;
  for (const CMovePath &path : list) {
    if (!text.empty()) text += ", ";
    text += Describe(path);
  }
  return text;
}

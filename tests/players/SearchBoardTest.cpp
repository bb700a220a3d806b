// The search board's generator, check test, mate test and evaluation, against the plain versions
// (tests/support/LiteralSearch) and against the board's own move generation.
#include "LiteralSearch.h"
#include "RandomGames.h"
#include "TestPositions.h"
#include "players/CSearchBoard.h"
#include "players/CSearchPosition.h"
#include "rules/CPiece.h"
#include "rules/Fen.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

CSearchBoard SearchBoardFromFen(const std::string &fen, Side *side = nullptr) {
  auto board = BoardFromFen(fen, side);
  CSearchBoard searchBoard;
  searchBoard.FillFrom(*board);
  return searchBoard;
}

std::string Destinations(const SearchMoveList &list) {
  std::string text;
  for (const SearchMove &m : list)
    text += (text.empty() ? "" : " ") + SquareName(m.row, m.column);
  return text;
}

// Boards of both kinds: random games and scattered pieces.
std::vector<CSearchBoard> VariedBoards() {
  std::vector<CSearchBoard> boards;
  for (const RandomPosition &p : RandomGamePositions(77, 60, 200))
    boards.push_back(SearchBoardFromFen(p.fen));
  for (uint32_t seed = 0; seed < 300; ++seed)
    boards.push_back(ScatteredSearchBoard(seed, 2 + static_cast<int>(seed % 30)));
  return boards;
}

TEST(SearchBoard, StartsEmptyAndCopiesPieces) {
  const CSearchBoard empty;
  for (const SearchSquare &square : empty.squares) {
    EXPECT_EQ(square.kind, kEmptySearchSquare);
    EXPECT_EQ(square.side + square.neverMoved + square.direction, 0);
  }
  for (int i = 0; i < kStepCodeCount; ++i) {
    EXPECT_EQ(empty.stepTable[i].row, kStepOffsets[i].row);
    EXPECT_EQ(empty.knightTable[i].column, kKnightOffsets[i].column);
  }

  auto board = BoardFromFen("4k3/8/8/8/8/8/4P3/R3K3 w Q - 0 1");
  board->PieceAt(6, 3)->neverMoved = 0; // the pawn on e2 has moved after all
  CSearchBoard filled;
  filled.FillFrom(*board);
  const SearchSquare &rook = filled.At(7, 7);
  EXPECT_EQ(rook.kind, Rook);
  EXPECT_EQ(rook.side, White);
  EXPECT_EQ(rook.neverMoved, 1);
  EXPECT_EQ(rook.direction, kTowardRow0);
  EXPECT_EQ(filled.At(6, 3).neverMoved, 0);
  EXPECT_EQ(filled.At(0, 3).direction, kTowardRow7);
  EXPECT_TRUE(filled.IsEmpty(4, 4));

  CSearchBoard copy;
  copy.CopyFrom(filled);
  EXPECT_TRUE(copy.SamePosition(filled));
}

TEST(SearchBoard, GeneratesTheBoardsMovesWithoutCastling) {
  // Every piece of random game positions: the same destinations in the same order as the board's
  // own generator, castling left out.
  CMoveList paths;
  for (const RandomPosition &p : RandomGamePositions(5, 100, 100)) {
    auto board = BoardFromFen(p.fen);
    CSearchBoard searchBoard;
    searchBoard.FillFrom(*board);
    for (int32_t r = 0; r < kBoardSize; ++r) {
      for (int32_t c = 0; c < kBoardSize; ++c) {
        CPiece *piece = board->PieceAt(r, c);
        if (!piece) {
          EXPECT_EQ(GenerateSearchMoves(searchBoard, r, c), nullptr);
          continue;
        }
        piece->GenerateMoves(*board, paths);
        std::string expected;
        for (const CMovePath &path : paths) {
          if (!path.castling)
            expected += (expected.empty() ? "" : " ") + SquareName(path.destRow, path.destCol);
        }
        auto list = GenerateSearchMoves(searchBoard, r, c);
        ASSERT_NE(list, nullptr);
        ASSERT_EQ(Destinations(*list), expected) << p.fen << " at " << SquareName(r, c);
      }
    }
  }
}

TEST(SearchBoard, AgreesWithThePlainRulesOnEveryBoard) {
  SearchMoveList fast, plain;
  for (const CSearchBoard &board : VariedBoards()) {
    CSearchBoard scratch;
    scratch.CopyFrom(board);
    for (int32_t r = 0; r < kBoardSize; ++r) {
      for (int32_t c = 0; c < kBoardSize; ++c) {
        GenerateSearchMoves(board, r, c, fast);
        literal::GenerateSearchMoves(board, r, c, plain);
        ASSERT_EQ(Destinations(fast), Destinations(plain)) << "at " << SquareName(r, c);
      }
    }
    for (const Side side : {White, Black}) {
      ASSERT_EQ(SearchInCheck(board, side), literal::SearchInCheck(board, side));
      ASSERT_EQ(SearchMated(board, side), literal::SearchMated(scratch, side));
      ASSERT_EQ(Evaluate(board, side), literal::Evaluate(scratch, side));
    }
    EXPECT_TRUE(scratch.SamePosition(board)); // the plain tests undo their moves
  }
}

TEST(SearchBoard, PawnAdvancesTwoWhileItKeepsItsMark) {
  // Inside the search a moved pawn keeps its never-moved byte: from e3 it may still go to e5.
  CSearchBoard board = SearchBoardFromFen("4k3/8/8/8/8/4P3/8/4K3 w - - 0 1");
  board.At(5, 3).neverMoved = 1;
  SearchMoveList list;
  GenerateSearchMoves(board, 5, 3, list);
  EXPECT_EQ(Destinations(list), "e5 e4");
  // A kind outside King..Pawn moves nowhere and gives no list.
  board.At(5, 3).kind = 7;
  EXPECT_EQ(GenerateSearchMoves(board, 5, 3), nullptr);
}

TEST(Evaluate, MaterialCheckAndMate) {
  const struct {
    const char *name;
    const char *fen;
    int32_t white; // the score for White; Black's is its negative
  } cases[] = {
      {"start", kStartFen, 0},
      {"WhiteWithoutAKnight", "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/R1BQKBNR b KQkq - 0 1", -300},
      {"BlackInCheckCanEscape", "4k3/8/8/8/8/8/8/4RK2 b - - 0 1", 500 + kCheckBonus},
      {"BlackMated", "R5k1/5ppp/8/8/8/8/8/6K1 b - - 0 1", 500 - 300 + kCheckBonus + kMateBonus},
      {"LoneWhiteKingCannotMove", "7k/8/8/8/8/8/5q2/7K w - - 0 1", -900 - kMateBonus},
      {"BothSidesGiveCheck", "4k2R/8/8/8/8/8/8/r3K3 w - - 0 1", 0},
  };
  for (const auto &c : cases) {
    const CSearchBoard board = SearchBoardFromFen(c.fen);
    EXPECT_EQ(Evaluate(board, White), c.white) << c.name;
    EXPECT_EQ(Evaluate(board, Black), -c.white) << c.name;
  }
}

TEST(SearchPosition, MakeAndUnmakeKeepEverythingInStep) {
  // After every move the kept key and material equal those of the position loaded afresh, and
  // taking the move back restores the position exactly.
  for (const CSearchBoard &board : VariedBoards()) {
    CSearchPosition position;
    position.Load(board);
    const CSearchPosition before = position;
    for (int from = 0; from < kSquareCount; ++from) {
      for (uint64_t targets = position.Targets(from); targets; targets &= targets - 1) {
        const int to = __builtin_ctzll(targets);
        CSearchPosition::Undo undo;
        position.Make(from, to, undo);
        CSearchBoard moved;
        moved.CopyFrom(board);
        moved.squares[to] = moved.squares[from];
        moved.squares[from] = SearchSquare();
        CSearchPosition fresh;
        fresh.Load(moved);
        ASSERT_EQ(position.key, fresh.key);
        ASSERT_EQ(position.material[0], fresh.material[0]);
        ASSERT_EQ(position.material[1], fresh.material[1]);
        ASSERT_EQ(position.neverMovedMask, fresh.neverMovedMask);
        ASSERT_EQ(position.towardRow7Mask, fresh.towardRow7Mask);
        position.Unmake(undo);
        ASSERT_EQ(position.key, before.key);
        ASSERT_EQ(position.Occupied(), before.Occupied());
        for (int k = 0; k < CSearchPosition::kKindCount; ++k)
          ASSERT_EQ(position.kinds[k], before.kinds[k]);
      }
    }
  }
}

} // namespace

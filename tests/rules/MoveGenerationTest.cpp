#include "TestPositions.h"
#include "rules/CPiece.h"
#include "rules/Fen.h"

#include <gtest/gtest.h>

namespace {

struct GenerationCase {
  const char *name;
  const char *fen;
  const char *square;
  const char *moves; // every path in list order, as Describe writes it
};

void PrintTo(const GenerationCase &c, std::ostream *os) { *os << c.name; }

class Generation : public ::testing::TestWithParam<GenerationCase> {};

TEST_P(Generation, ListsMovesInGenerationOrder) {
  const GenerationCase &c = GetParam();
  auto board = BoardFromFen(c.fen);
  EXPECT_EQ(MovesOf(*board, c.square), c.moves);
}

const GenerationCase kGenerationCases[] = {
    {"StartPawnTwoSquaresThenOne", kStartFen, "e2", "e2e4 [7 7], e2e3 [7]"},
    {"StartKnightByKnightIndex", kStartFen, "g1", "g1h3 [6], g1f3 [7]"},
    {"StartRookBlocked", kStartFen, "a1", ""},
    {"StartBishopBlocked", kStartFen, "c1", ""},
    {"StartQueenBlocked", kStartFen, "d1", ""},
    {"StartKingBlocked", kStartFen, "e1", ""},
    {"BlackPawnAdvancesTowardRow7", kStartFen, "d7", "d7d5 [3 3], d7d6 [3]"},
    {"RookNearestFirstCaptureLastOwnPieceStops", "8/8/8/8/8/P7/8/R2n4 w - - 0 1", "a1",
     "a1b1 [5], a1c1 [5 5], a1d1 [5 5 5], a1a2 [7]"},
    {"BishopEvenCodesOnly", "8/8/8/8/8/8/8/2B5 w - - 0 1", "c1",
     "c1b2 [0], c1a3 [0 0], c1d2 [6], c1e3 [6 6], c1f4 [6 6 6], c1g5 [6 6 6 6], c1h6 [6 6 6 6 6]"},
    {"PawnBlockedHasNoAdvanceAtAll", "8/8/8/8/8/4n3/4P3/8 w - - 0 1", "e2", ""},
    {"PawnSecondSquareBlocked", "8/8/8/8/4n3/8/4P3/8 w - - 0 1", "e2", "e2e3 [7]"},
    {"MovedPawnCapturesTowardColumnMinusOneFirst", "8/8/8/3p1p2/4P3/8/8/8 w - - 0 1", "e4",
     "e4e5 [7], e4f5 [6], e4d5 [0]"},
    {"BlackPawnCaptures", "8/8/8/3p4/2P1P3/8/8/8 b - - 0 1", "d5", "d5d4 [3], d5e4 [4], d5c4 [2]"},
    {"PawnDoesNotCaptureOwnPiece", "8/8/8/3P1P2/4P3/8/8/8 w - - 0 1", "e4", "e4e5 [7]"},
    {"WhitePawnOnLastRowHasNoMove", "4P3/3p1p2/8/8/8/8/8/8 w - - 0 1", "e8", ""},
    {"BlackPawnOnLastRowHasNoMove", "8/8/8/8/8/8/3P1P2/4p3 b - - 0 1", "e1", ""},
    {"CastlingBothWaysAfterKingSteps", "r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1", "e1",
     "e1d2 [0], e1d1 [1], e1f1 [5], e1f2 [6], e1e2 [7], e1c1 castling, e1g1 castling"},
    {"BlackCastling", "r3k2r/8/8/8/8/8/8/R3K2R b KQkq - 0 1", "e8",
     "e8d8 [1], e8d7 [2], e8e7 [3], e8f7 [4], e8f8 [5], e8c8 castling, e8g8 castling"},
    {"CastlingNeedsEveryInnerSquareFree", "r3k2r/8/8/8/8/8/8/RN2K1NR w KQkq - 0 1", "e1",
     "e1d2 [0], e1d1 [1], e1f1 [5], e1f2 [6], e1e2 [7]"},
    {"CastlingNeedsTheUnmovedRook", "r3k2r/8/8/8/8/8/8/R3K2R w K - 0 1", "e1",
     "e1d2 [0], e1d1 [1], e1f1 [5], e1f2 [6], e1e2 [7], e1g1 castling"},
    {"CastlingGeneratedWhileInCheck", "4r3/8/8/8/8/8/8/R3K2R w KQ - 0 1", "e1",
     "e1d2 [0], e1d1 [1], e1f1 [5], e1f2 [6], e1e2 [7], e1c1 castling, e1g1 castling"},
    {"RookAtEdgeFacingOutward", "8/8/8/8/8/8/8/7R w - - 0 1", "h1",
     "h1g1 [1], h1f1 [1 1], h1e1 [1 1 1], h1d1 [1 1 1 1], h1c1 [1 1 1 1 1], h1b1 [1 1 1 1 1 1], "
     "h1a1 [1 1 1 1 1 1 1], h1h2 [7], h1h3 [7 7], h1h4 [7 7 7], h1h5 [7 7 7 7], h1h6 [7 7 7 7 7], "
     "h1h7 [7 7 7 7 7 7], h1h8 [7 7 7 7 7 7 7]"},
};

INSTANTIATE_TEST_SUITE_P(Positions, Generation, ::testing::ValuesIn(kGenerationCases),
                         [](const ::testing::TestParamInfo<GenerationCase> &info) {
                           return info.param.name;
                         });

} // namespace

TEST(Generation, QueenAloneInTheMiddleHas27MovesDirectionByDirection) {
  auto board = BoardFromFen("8/8/8/4Q3/8/8/8/8 w - - 0 1");
  CMoveList list;
  board->PieceAt(3, 3)->GenerateMoves(*board, list);
  EXPECT_EQ(list.count, 27);
  EXPECT_EQ(Destinations(list),
            "d6 c7 b8 d5 c5 b5 a5 d4 c3 b2 a1 e4 e3 e2 e1 f4 g3 h2 f5 g5 h5 f6 g7 h8 e6 e7 e8");
  for (int i = 0; i < 3; ++i)
    EXPECT_EQ(list[i].steps[0], 0);
}

TEST(Generation, NeverMovedPawnOffItsRowStillAdvancesTwo) {
  auto board = BoardFromFen("8/8/8/8/4P3/8/8/8 w - - 0 1");
  board->PieceAt(4, 3)->neverMoved = 1;
  EXPECT_EQ(MovesOf(*board, "e4"), "e4e6 [7 7], e4e5 [7]");
}

TEST(Generation, CastlingDoesNotExamineTheRooksSide) {
  auto board = BoardFromFen("4k3/8/8/8/8/8/8/4K2r w - - 0 1");
  board->PieceAt(7, 3)->neverMoved = 1;
  board->PieceAt(7, 0)->neverMoved = 1; // an enemy rook that has never moved
  EXPECT_EQ(MovesOf(*board, "e1"), "e1d2 [0], e1d1 [1], e1f1 [5], e1f2 [6], e1e2 [7], e1g1 castling");
}

TEST(Generation, ARefreshesItsSquareAndTheOwnedListVersionMatches) {
  auto board = BoardFromFen(kStartFen);
  CPiece *knight = board->PieceAt(7, 1);
  knight->row = 3;
  knight->column = 3;
  std::unique_ptr<CMoveList> list = knight->GenerateMoves(*board);
  EXPECT_EQ(knight->row, 7);
  EXPECT_EQ(knight->column, 1);
  EXPECT_EQ(Destinations(*list), "h3 f3");
  // A knight path holds its offset index, not step codes: walking it would land elsewhere.
  CMovePath walked;
  walked.CopyFrom((*list)[0]);
  walked.Walk();
  EXPECT_FALSE(walked.destRow == 5 && walked.destCol == 0);
}
